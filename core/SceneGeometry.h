#pragma once

#include "DrawOp.h"

namespace vlnokres::scene {

// The window's client area as designed, 11,880 × 8,595 twips: the scene's pixels.
inline constexpr int kClientWidth = 792;
inline constexpr int kClientHeight = 573;

// Everything is derived from a base height and width; the half-pixel results (150.5, 390.5)
// stay fractional and are drawn as they are.
inline constexpr double kBaseHeight = 581;                  // H
inline constexpr double kBaseWidth = 800;                   // W
inline constexpr double kAxisLeft = kBaseWidth / 2 - 350;   // X0: left end of both horizontal axes
inline constexpr double kUpperY = kBaseHeight / 2 - 140;    // YU: centre line of the upper diagram
inline constexpr double kLowerY = kBaseHeight / 2 + 100;    // YL: lower diagram, zero of the time graph
inline constexpr double kFirstOriginX = kAxisLeft + 120;    // C1: first vector's origin, both diagrams
inline constexpr double kSecondOriginX = kAxisLeft + 400;   // C2: second vector's origin, upper diagram
inline constexpr double kGraphOriginX = kAxisLeft + 290;    // XG: time 0 of the time graph
inline constexpr double kFirstLength = 50;                  // R1: the first amplitude, always 1

inline constexpr Line kUpperAxis{{kAxisLeft, kUpperY}, {kAxisLeft + 700, kUpperY}};
inline constexpr Line kLowerAxis{{kAxisLeft, kLowerY}, {kAxisLeft + 720, kLowerY}};
inline constexpr Line kTimeAxis{{kGraphOriginX, kLowerY - 160}, {kGraphOriginX, kLowerY + 160}};

// Oscillations at right angles: the lower diagram becomes the x–y plane about (C1, YL), its
// vertical axis drawn with the others. The point's projections are ticks beyond the ends of
// the axes they follow, where neither the figure nor an axis ever is, so that erasing one
// erases nothing else: the first's below the vertical axis, the second's left of the
// horizontal one.
inline constexpr Line kPlaneAxis{{kFirstOriginX, kLowerY - 125}, {kFirstOriginX, kLowerY + 125}};
inline constexpr double kFirstTickTop = kLowerY + 128, kFirstTickBottom = kLowerY + 134;
inline constexpr double kSecondTickLeft = kAxisLeft - 10, kSecondTickRight = kAxisLeft - 4;

// The diagrams' origins, about which the vectors sweep their discs.
inline constexpr Point kDiscCentres[] = {{kFirstOriginX, kUpperY}, {kSecondOriginX, kUpperY}, {kFirstOriginX, kLowerY}};

// The cleared band: rows 580 up to 51, each from x 1 to x 800, painted from the bottom up.
inline constexpr int kClearedRows = 530;
inline constexpr double kClearLeft = 1;
inline constexpr double kClearRight = kBaseWidth;

// What the clear paints: its one-pixel lines with their square caps, rows 580 up to 51.
inline constexpr Rect kClearedBand{kClearLeft - 0.5, kBaseHeight - kClearedRows - 0.5, kClearRight + 0.5,
                                   kBaseHeight - 0.5};

// R2: the second vector is as long, relative to the first, as its amplitude.
constexpr double secondLength(double amplitude) { return amplitude * kFirstLength; }

} // namespace vlnokres::scene
