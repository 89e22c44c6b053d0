#pragma once

// The object names of the main window and its controls, as the form was designed with them.
// The window, the tests and the benchmarks find the controls by these names.
namespace vlnokres::names {

inline constexpr char kMainWindow[] = "Vlnokres";
inline constexpr char kPace[] = "HScroll1";
inline constexpr char kPlus[] = "nPlus";
inline constexpr char kSlowdown[] = "nSpomaleni";
inline constexpr char kPhase[] = "nFáza"; // UTF-8
inline constexpr char kFrequency[] = "nFrekvence";
inline constexpr char kAmplitude[] = "nAmplituda";
inline constexpr char kExit[] = "cmdKonec";
inline constexpr char kStart[] = "cmdAnimace";
inline constexpr char kInstruction[] = "Label2";
inline constexpr char kParametersHeading[] = "labParametry";
inline constexpr char kTitle[] = "labTitul";
inline constexpr char kPhaseLabel[] = "laFáza"; // UTF-8
inline constexpr char kFrequencyLabel[] = "laFrekvence";
inline constexpr char kAmplitudeLabel[] = "Label1";

} // namespace vlnokres::names
