#pragma once

#include "StepOperations.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vlnokres::animation {

// A run as an animation that slides and web pages play: frames in hundredths of a second, none
// shorter than kShortestFrame (players slow shorter ones down to a tenth of a second), and the
// finished picture held kFinishedHold at the end.
inline constexpr int kShortestFrame = 2;
inline constexpr int kFinishedHold = 300;

// A frame shows the run as it stands after its step, for so many hundredths of a second; the
// last one shows it finished, with its closing axes.
struct Frame {
    int step;
    int centiseconds;
    bool finished = false;
};

// The run at the slowdown (1 … 10) in real time: step t is drawn (t − 1) · S² ms after the
// start and the run finishes at axis.steps() · S² ms. A frame takes as many steps as it needs
// to last kShortestFrame; the frames before the last together last the run.
std::vector<Frame> framesOf(int slowdown, TimeAxis axis = {});

// The smallest rectangle holding every pixel that differs between two pictures of the same
// size (rows of width pixels), or nullopt where none does.
struct Area {
    int left, top, width, height;
};
std::optional<Area> changedArea(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after,
                                int width);

// A fixed palette of at most 256 colours: index 0 stands for "as before" (transparent), then
// the given inks, then greys for the anti-aliased edges of text. A colour is its ink's index
// when it is one, else the nearest grey's.
class FixedPalette
{
public:
    static constexpr std::uint8_t kUnchanged = 0;

    explicit FixedPalette(std::span<const std::uint32_t> inks);
    const std::vector<std::uint32_t> &colours() const { return m_colours; } // 0xRRGGBB
    std::uint8_t indexOf(std::uint32_t rgb) const;

private:
    std::vector<std::uint32_t> m_colours;
    std::size_t m_inkCount;
    std::size_t m_firstGrey;
};

// The changed area of after as indices into the palette, unchanged pixels as kUnchanged
// (before empty: every pixel counts as changed).
std::vector<std::uint8_t> indexedArea(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after,
                                      int width, const Area &area, const FixedPalette &palette);

} // namespace vlnokres::animation
