#pragma once

// Form1 as every face shows it: where its eleven controls stand, and what
// its button does, the three results or the one message, with every text in
// the user's language. Plain C++, no Qt: the desktop window and the page
// place their controls from here and show what form1Outcome returns.

#include "calc/module1.hpp"
#include "calc/view_texts.hpp"
#include "runtime/translatable.hpp"

#include <array>
#include <string>
#include <string_view>

namespace calc {

// A control's place in logical pixels of the client area, from its top left.
struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The layout is measured in twips, 15 to a logical pixel; every figure of it
// is a whole number of pixels, which the compiler checks.
inline constexpr int twipsPerPixel = 15;
consteval int pixelsOfTwips(int twips) {
    if (twips % twipsPerPixel != 0) {
        throw "layout figure is not a whole number of pixels";
    }
    return twips / twipsPerPixel;
}
consteval ControlRect twipsRect(int left, int top, int width, int height) {
    return {pixelsOfTwips(left), pixelsOfTwips(top), pixelsOfTwips(width), pixelsOfTwips(height)};
}

// The client area, 999 x 227 pixels.
inline constexpr int form1Width = pixelsOfTwips(14985);
inline constexpr int form1Height = pixelsOfTwips(3405);

struct Form1Control {
    std::string_view name;
    ControlRect geometry;
};

// In creation order, named as the window names them.
inline constexpr std::array<Form1Control, 11> form1Controls{{
    {"Text1", twipsRect(3480, 600, 2055, 375)},
    {"Command1", twipsRect(3000, 2520, 2895, 615)},
    {"Label9", twipsRect(5640, 600, 2055, 495)},
    {"Label8", twipsRect(120, 1560, 4455, 735)},
    {"Label7", twipsRect(4800, 1800, 2055, 375)},
    {"Label6", twipsRect(12720, 1800, 2055, 375)},
    {"Label5", twipsRect(12120, 1800, 375, 375)},
    {"Label4", twipsRect(10800, 1800, 1215, 375)},
    {"Label3", twipsRect(10440, 1800, 255, 375)},
    {"Label2", twipsRect(8280, 1800, 2055, 375)},
    {"Label1", twipsRect(360, 600, 2895, 495)},
}};

// The place of the control of that name; a name the layout does not have
// stops the compiler where it is evaluated at compile time.
consteval ControlRect form1Geometry(std::string_view name) {
    for (const Form1Control& control : form1Controls) {
        if (control.name == name) {
            return control.geometry;
        }
    }
    throw "Form1 has no control of that name";
}

// What the button did: computed, the steps, the three results and their
// announcement; otherwise the message the window shows instead (a warning,
// or the report of a run-time error with its number).
struct Form1Outcome {
    bool computed = false;
    int steps = 0;
    std::string sides;
    std::string lowerBound;
    std::string upperBound;
    std::string announcement;
    std::string message;
};

// The compute command on text, a run-time error or a lack of memory turned
// into the message a face shows.
Form1Outcome form1Outcome(Module1& module, std::string_view text,
                          std::string_view decimalSeparator);

// The report of the error being handled, as a message box writes it; call
// only from a catch block.
std::string currentErrorReport();

} // namespace calc
