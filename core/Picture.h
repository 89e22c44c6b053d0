#pragma once

#include "DrawOp.h"
#include "SceneGeometry.h"
#include "TraceStyle.h"

namespace vlnokres::picture {

// The picture handed out to documents: the drawing band as the window shows it, below the
// controls, with the "+" between the upper vectors, and a caption with the run's values in
// the band's empty top-left corner, above y 75, which no vector reaches.
inline constexpr Rect kArea{0, 51, scene::kClientWidth, scene::kClientHeight};
inline constexpr double kWidth = kArea.right - kArea.left;
inline constexpr double kHeight = kArea.bottom - kArea.top;
inline constexpr Rect kPlusBox{312, 136, 337, 166};
inline constexpr Point kCaptionAt{8, 68}; // the caption's baseline starts here
// The readouts' place, the free area right of the upper diagram; their first baseline, and
// the distance between their lines.
inline constexpr Rect kReadoutArea{540, 60, 790, 140};
inline constexpr Point kReadoutsAt{kReadoutArea.left, 80};
inline constexpr double kReadoutLineHeight = 20;
// The cursors' values, under the upper axis on the same side, which no vector reaches either.
inline constexpr Rect kCursorValueArea{528, 160, 792, 239}; // four lines
inline constexpr Point kCursorValuesAt{kCursorValueArea.left, 176};
inline constexpr double kCursorValueLineHeight = 17;
inline constexpr double kDefaultScale = 2;  // a PNG's pixels per designed pixel

// The operations of a scene that show in a picture whose band starts grey: the clearing lines
// are left out (grey on grey), and so is every line that a later line draws exactly over,
// as each step erases the vectors of the step before. A vector viewer antialiases every
// line, and a line drawn over an identical line leaves a coloured halo; with the erased lines
// left out, nothing of them can show. Pen widths stay as drawn. A long axis's scene keeps,
// before that, only the operations that add a pixel to the finished picture in the look,
// painted finer than any page prints it: of its swept discs' hundreds of thousands of lines a
// few thousand.
DrawOps visibleOps(const DrawOps &sceneOps, Look look = {});

} // namespace vlnokres::picture
