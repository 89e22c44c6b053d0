#pragma once

#include "DrawOp.h"

#include <optional>

namespace vlnokres {

// How the scene is looked at: its palette, and whether the sum is hidden so that a class can
// say what it will be before it shows. Neither changes the scene's operations, only how they
// are painted, so that what is hidden comes back at once exactly as it was drawn.
struct Look {
    // Not explicit: a palette alone is a look with the sum shown.
    Look(Colours colours = Colours::Standard, bool sumHidden = false) : colours(colours), sumHidden(sumHidden) {}
    Colours colours;
    bool sumHidden;
    bool operator==(const Look &) const = default;
};

// A time graph's dot as it is painted in a look, or nullopt where it is not. On a page for
// print the sum's dots are larger and the second wave's come in dashes, so that the three
// traces stay apart in black and white; every other circle is painted as it is.
std::optional<Circle> dotAsPainted(const Circle &circle, const Look &look);
// Whether a line is painted: with the sum hidden, neither the envelope, drawn in mid-grey,
// which would show its shape, nor the lower diagram's second vector and the disc it sweeps,
// whose tip traces it.
bool isPainted(const Line &line, const Look &look);

} // namespace vlnokres
