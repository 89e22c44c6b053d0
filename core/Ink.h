#pragma once

#include <cstdint>

namespace vlnokres {

// The colours the scene is drawn in. Foreground is the window's text colour, which the
// window fixes to black so that a dark desktop theme cannot make the axes light on grey.
enum class Ink { Foreground, BackgroundGrey, White, Green, LightYellow, Red, MidGrey };

// 0xRRGGBB.
constexpr std::uint32_t rgbOf(Ink ink)
{
    switch (ink) {
    case Ink::Foreground: return 0x000000;
    case Ink::BackgroundGrey: return 0xC0C0C0;
    case Ink::White: return 0xFFFFFF;
    case Ink::Green: return 0x00C000;
    case Ink::LightYellow: return 0xFFFFC0;
    case Ink::Red: return 0xFF0000;
    case Ink::MidGrey: return 0x808080; // the readouts' envelope
    }
    return 0x000000;
}

} // namespace vlnokres
