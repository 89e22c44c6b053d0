#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vlnokres::sound {
namespace {

constexpr int kBytesPerSample = 2;
constexpr double kFullScale = 32767;

// RIFF's numbers are little-endian whatever the machine.
void put(std::vector<std::uint8_t> &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(std::uint8_t(value >> (8 * i)));
}

void put(std::vector<std::uint8_t> &bytes, std::string_view tag) { bytes.insert(bytes.end(), tag.begin(), tag.end()); }

} // namespace

std::vector<std::uint8_t> wavFile(const std::vector<float> &samples, int sampleRate, int channels)
{
    const auto frameBytes = std::uint32_t(channels * kBytesPerSample);
    const auto dataSize = std::uint32_t(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataSize);
    put(bytes, "RIFF");
    put(bytes, 36 + dataSize, 4);
    put(bytes, "WAVE");
    put(bytes, "fmt ");
    put(bytes, 16, 4);                                  // the format chunk's size
    put(bytes, 1, 2);                                   // PCM
    put(bytes, std::uint32_t(channels), 2);
    put(bytes, std::uint32_t(sampleRate), 4);
    put(bytes, std::uint32_t(sampleRate) * frameBytes, 4); // bytes a second
    put(bytes, frameBytes, 2);
    put(bytes, 8 * kBytesPerSample, 2);                 // bits a sample
    put(bytes, "data");
    put(bytes, dataSize, 4);
    for (float sample : samples)
        put(bytes, std::uint16_t(std::int16_t(std::lround(std::clamp(double(sample), -1.0, 1.0) * kFullScale))), 2);
    return bytes;
}

} // namespace vlnokres::sound
