#include "AnimationFrames.h"

#include "Pace.h"

#include <algorithm>
#include <cmath>

namespace vlnokres::animation {

std::vector<Frame> framesOf(int slowdown, TimeAxis axis)
{
    const long long steps = axis.steps();
    using std::chrono::nanoseconds;
    constexpr nanoseconds kCentisecond = std::chrono::milliseconds(10);
    const nanoseconds perStep = pausePerStep(slowdown);
    const nanoseconds shortest = kShortestFrame * kCentisecond;
    const long long stepsPerFrame = std::max<long long>(1, (shortest + perStep - nanoseconds(1)) / perStep);

    // A frame begins where its first step is drawn; a last one too short for a player is
    // merged into the one before it.
    std::vector<long long> begins;
    for (long long b = 0; b < steps; b += stepsPerFrame)
        begins.push_back(b);
    if (begins.size() > 1 && (steps - begins.back()) * perStep < shortest)
        begins.pop_back();
    begins.push_back(steps);

    // Rounded where each frame begins rather than frame by frame, so that the rounding never
    // adds up over the run.
    auto centisecondsAt = [&](long long step) {
        return std::llround(double(step * perStep.count()) / double(kCentisecond.count()));
    };
    std::vector<Frame> frames;
    for (std::size_t i = 0; i + 1 < begins.size(); ++i)
        frames.push_back({int(begins[i] + 1), int(centisecondsAt(begins[i + 1]) - centisecondsAt(begins[i]))});
    frames.push_back({int(steps), kFinishedHold, true});
    return frames;
}

std::optional<Area> changedArea(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after, int width)
{
    const int height = int(after.size()) / width;
    auto row = [&](std::span<const std::uint32_t> image, int y) { return image.subspan(std::size_t(y) * width, width); };
    auto rowDiffers = [&](int y) { return !std::ranges::equal(row(before, y), row(after, y)); };
    int top = 0;
    while (top < height && !rowDiffers(top))
        ++top;
    if (top == height)
        return std::nullopt;
    int bottom = height - 1;
    while (!rowDiffers(bottom))
        --bottom;
    int left = width, right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto b = row(before, y), a = row(after, y);
        for (int x = 0; x < left; ++x)
            if (a[x] != b[x]) {
                left = x;
                break;
            }
        for (int x = width - 1; x > right; --x)
            if (a[x] != b[x]) {
                right = x;
                break;
            }
    }
    return Area{left, top, right - left + 1, bottom - top + 1};
}

FixedPalette::FixedPalette(std::span<const std::uint32_t> inks) : m_colours{0x000000}
{
    for (std::uint32_t ink : inks)
        if (std::ranges::find(m_colours.begin() + 1, m_colours.end(), ink) == m_colours.end())
            m_colours.push_back(ink);
    m_inkCount = m_colours.size() - 1;
    m_firstGrey = m_colours.size();
    const std::size_t greys = 256 - m_firstGrey;
    for (std::size_t k = 0; k < greys; ++k) {
        const auto level = std::uint32_t(std::lround(double(k) * 255 / double(greys - 1)));
        m_colours.push_back(level << 16 | level << 8 | level);
    }
}

std::uint8_t FixedPalette::indexOf(std::uint32_t rgb) const
{
    rgb &= 0xFFFFFF;
    for (std::size_t i = 1; i <= m_inkCount; ++i)
        if (m_colours[i] == rgb)
            return std::uint8_t(i);
    const double luma = 0.299 * (rgb >> 16 & 0xFF) + 0.587 * (rgb >> 8 & 0xFF) + 0.114 * (rgb & 0xFF);
    const std::size_t greys = m_colours.size() - m_firstGrey;
    return std::uint8_t(m_firstGrey + std::size_t(std::lround(luma * double(greys - 1) / 255)));
}

std::vector<std::uint8_t> indexedArea(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after,
                                      int width, const Area &area, const FixedPalette &palette)
{
    std::vector<std::uint8_t> indices;
    indices.reserve(std::size_t(area.width) * std::size_t(area.height));
    // Neighbouring pixels are mostly of one colour; the last lookup is kept.
    std::uint32_t lastRgb = 0;
    std::uint8_t lastIndex = palette.indexOf(0);
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            const std::size_t i = std::size_t(y) * width + x;
            if (!before.empty() && before[i] == after[i]) {
                indices.push_back(FixedPalette::kUnchanged);
                continue;
            }
            if (after[i] != lastRgb) {
                lastRgb = after[i];
                lastIndex = palette.indexOf(lastRgb);
            }
            indices.push_back(lastIndex);
        }
    }
    return indices;
}

} // namespace vlnokres::animation
