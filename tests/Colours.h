#pragma once

#include <QRgb>

// The scene's colours as an image holds them.
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kGrey = 0xFFC0C0C0;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kGreen = 0xFF00C000;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kLightYellow = 0xFFFFFFC0;
