#pragma once

// The numeric state of the application and the polygon-doubling calculation
// that bounds pi by Archimedes' method on the circle of radius 1.

#include <cstdint>
#include <string>

namespace calc {

// The module-wide variables. One instance lives for the whole run of the
// program; its values start at zero (the text empty) and are kept from one
// calculation to the next. The compute command writes iterationCount,
// sideCount, sideLength and warningText; DoublePolygons writes the rest.
struct Module1 {
    std::int32_t iterationCount = 0; // doubling steps requested
    double sideCount = 0.0;          // sides of the current inscribed polygon
    double sideLength = 0.0;         // side of the current inscribed polygon
    double apothem = 0.0;            // centre-to-side distance of that polygon
    double outerSide = 0.0;          // side of the circumscribed polygon, same sides
    double lowerBound = 0.0;         // half perimeter, inscribed, last step made
    double upperBound = 0.0;         // half perimeter, circumscribed, last step made
    double sagitta = 0.0;            // 1 - apothem: height of the cut-off segment
    std::int32_t stepIndex = 0;      // loop counter
    std::string warningText;         // text of the out-of-range warning

    // Makes iterationCount doubling steps from the polygon in sideCount and
    // sideLength. After step k: sideCount = start * 2^k, sideLength its side,
    // and lowerBound/upperBound belong to the polygon of sideCount / 2 sides.
    // A floating-point fault raises runtime::RuntimeError on the spot; the
    // variables assigned earlier in that step keep their new values.
    void DoublePolygons();
};

// The hexagon inscribed in the unit circle: where every calculation starts.
inline constexpr double startSideCount = 6.0;
inline constexpr double startSideLength = 1.0;

} // namespace calc
