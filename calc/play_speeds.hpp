#pragma once

// How fast Esplora's play steps, on the desktop and in the page alike.

namespace calc {

// Steps per second of the speed control, slowest first.
inline constexpr int playSpeeds[] = {1, 2, 5, 10, 30, 60};
// Where the speed control starts: playSpeeds[defaultPlaySpeedIndex].
inline constexpr int defaultPlaySpeedIndex = 2;
// With reduced motion the steps follow one another no faster than this.
inline constexpr int reducedMotionSpeed = 1;

} // namespace calc
