#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vlnokres::sound {

// A RIFF WAVE file of 16-bit PCM, one channel: the samples (-1 … 1) rounded to the nearest
// step of full scale.
std::vector<std::uint8_t> wavFile(const std::vector<float> &samples, int sampleRate);

} // namespace vlnokres::sound
