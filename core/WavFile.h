#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vlnokres::sound {

// A RIFF WAVE file of 16-bit PCM, of one channel or more: the samples (-1 … 1, a frame's
// channels side by side) rounded to the nearest step of full scale.
std::vector<std::uint8_t> wavFile(const std::vector<float> &samples, int sampleRate, int channels = 1);

} // namespace vlnokres::sound
