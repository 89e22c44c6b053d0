#pragma once

#include <cstdint>

namespace vlnokres {

// The colours the scene is drawn in. Foreground is the window's text colour, which the
// window fixes to black so that a dark desktop theme cannot make the axes light on grey.
enum class Ink { Foreground, BackgroundGrey, White, Green, LightYellow, Red, MidGrey };

// The palettes the scene is drawn in: the original one, and one in which the first wave and
// the second stay apart for colour-blind eyes. Its blue and vermillion are Okabe and Ito's,
// told apart in every common kind of colour blindness; the sum stays black, and the discs,
// axes and background stay as they are. The one for print and the projector takes the same
// blue and vermillion on a white band with light grey discs, so that little ink goes on the
// page and a washed-out projector still shows the traces; the traces' dots also differ in
// shape there (TraceStyle.h), as a black-and-white print turns the two colours to near greys.
enum class Colours { Standard, ColourBlind, Print };

// Their names on the command line and in the settings.
struct ColoursName {
    const char *name;
    Colours colours;
};
inline constexpr ColoursName kColoursNames[] = {
    {"standard", Colours::Standard}, {"colour-blind", Colours::ColourBlind}, {"print", Colours::Print}};
constexpr const char *nameOf(Colours colours)
{
    for (const ColoursName &named : kColoursNames)
        if (named.colours == colours)
            return named.name;
    return "standard";
}

// 0xRRGGBB.
constexpr std::uint32_t rgbOf(Ink ink, Colours colours = Colours::Standard)
{
    const bool colourBlind = colours != Colours::Standard;
    const bool print = colours == Colours::Print;
    switch (ink) {
    case Ink::Foreground: return 0x000000;
    case Ink::BackgroundGrey: return print ? 0xFFFFFF : 0xC0C0C0;
    case Ink::White: return print ? 0xEBEBEB : 0xFFFFFF;
    case Ink::Green: return colourBlind ? 0x0072B2 : 0x00C000;
    case Ink::LightYellow: return print ? 0xDADADA : 0xFFFFC0;
    case Ink::Red: return colourBlind ? 0xD55E00 : 0xFF0000;
    case Ink::MidGrey: return 0x808080; // the readouts' envelope
    }
    return 0x000000;
}

} // namespace vlnokres
