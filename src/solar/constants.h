#pragma once

namespace solar {

// pi as the solar module and the diagrams' directions take it.
inline constexpr double Pi = 3.141592653589;
// 2 pi as the ring of marks of the diagrams takes it.
inline constexpr double DeuxPi = 6.283185307178;
// Degrees to radians as the main window multiplies (and divides to come back).
inline constexpr double DegRad = 0.017453292;
// Epoch of the solar theory: JD 2415020.0, 1900 January 0.5.
inline constexpr double Epoque1900 = 2415020.0;
// Days in a Julian century.
inline constexpr double JoursSiecle = 36525.0;

} // namespace solar
