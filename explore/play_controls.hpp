#pragma once

// Play: steps the window from its current step to a chosen one, a step at a
// time at a chosen speed, so that a class watches the polygons close in.

#include "calc/play_speeds.hpp"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTimer;

namespace explore {

using calc::playSpeeds;
using calc::reducedMotionSpeed;

class PlayControls : public QWidget {
    Q_OBJECT

public:
    explicit PlayControls(QWidget* parent = nullptr);

    // The step the window shows; playing goes on from there.
    void setCurrentStep(int step);
    bool playing() const;
    // Steps per second now, reduced motion counted.
    int stepsPerSecond() const;
    // The speed chosen, one of playSpeeds, reduced motion not counted.
    int chosenSpeed() const;
    // Chooses speed when it is one of playSpeeds, and nothing otherwise.
    void chooseSpeed(int speed);
    bool reducedMotion() const;
    void setReducedMotion(bool reduced);

    // Starts from the current step, or pauses; at the last step starts over
    // from the first.
    void toggle();

    QWidget* firstInTabOrder() const;
    QWidget* lastInTabOrder() const;

signals:
    void stepRequested(int step);

private:
    void tick();
    void setPlaying(bool playing);
    void updateInterval();

    QPushButton* playButton_ = nullptr;
    QComboBox* speedBox_ = nullptr;
    QSpinBox* targetBox_ = nullptr;
    QCheckBox* reducedMotionBox_ = nullptr;
    QTimer* timer_ = nullptr;
    int current_ = 0;
};

} // namespace explore
