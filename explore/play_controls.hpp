#pragma once

// Play: steps the window from its current step to a chosen one, a step at a
// time at a chosen speed, so that a class watches the polygons close in.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTimer;

namespace explore {

// Steps per second of the speed control, slowest first.
inline constexpr int playSpeeds[] = {1, 2, 5, 10, 30, 60};
// With reduced motion the steps follow one another no faster than this.
inline constexpr int reducedMotionSpeed = 1;

class PlayControls : public QWidget {
    Q_OBJECT

public:
    explicit PlayControls(QWidget* parent = nullptr);

    // The step the window shows; playing goes on from there.
    void setCurrentStep(int step);
    bool playing() const;
    // Steps per second now, reduced motion counted.
    int stepsPerSecond() const;
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
