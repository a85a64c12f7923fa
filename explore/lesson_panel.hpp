#pragma once

// "Come funziona": the lesson beside the drawing, its numbers those of the
// step shown (calc/lesson.hpp), as rich text a screen reader reads in order.

#include "calc/digits.hpp"

#include <QTextBrowser>

#include <string>
#include <vector>

namespace explore {

class LessonPanel : public QTextBrowser {
    Q_OBJECT

public:
    // runOutStep: where binary64 runs out.
    LessonPanel(std::string decimalSeparator, int runOutStep, QWidget* parent = nullptr);

    // The certified series of the chart (doubling, Huygens, Richardson), each
    // aimed at aimedAt digits: the lesson is shown from then on, at its step.
    void setProven(std::vector<calc::DigitSeries> proven, int aimedAt);
    void setStep(int step);
    int step() const { return step_; }

    // Type for a room, for full screen: at least 24 px on a screen
    // calc::roomScreenHeight high, scale times that on another.
    void setLarge(bool large, double scale = 1.0);

private:
    void showStep();

    std::string decimalSeparator_;
    int runOutStep_ = 0;
    std::vector<calc::DigitSeries> proven_;
    int aimedAt_ = 0;
    bool provenKnown_ = false;
    int step_ = 0;
    int pixels_ = 0;      // of the type
    int shownPixels_ = 0; // pixels_ when the document was last built
};

} // namespace explore
