#pragma once

namespace vlnokres::zoom {

// The window's whole content scales by one factor, the zoom: at 1 every pixel is as designed.
inline constexpr double kSmallest = 0.5;
// Ctrl++ and Ctrl+− make the window larger or smaller by about a quarter.
inline constexpr double kStep = 1.25;

// The largest zoom at which the designed client area fits an area of the given size.
double toFit(double width, double height);

// The zoom one step larger or smaller than the given one, the smaller never below kSmallest.
double larger(double zoom);
double smaller(double zoom);

// The zoom a window starts at: the one wanted (1, or the one its user left it at), unless the
// screen's free area (less the window's frame) is too small, and then the largest that fits,
// but never below kSmallest.
double atStart(double freeWidth, double freeHeight, double wanted = 1);

} // namespace vlnokres::zoom
