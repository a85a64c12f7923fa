#include "explore/play_controls.hpp"

#include "calc/step_range.hpp"
#include "explore/step_box.hpp"
#include "runtime/host/translation.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

namespace explore {

using runtime::host::translatedText;

PlayControls::PlayControls(QWidget* parent) : QWidget(parent) {
    playButton_ = new QPushButton(this);
    playButton_->setObjectName(QStringLiteral("play"));
    speedBox_ = new QComboBox(this);
    speedBox_->setObjectName(QStringLiteral("speed"));
    for (const int speed : playSpeeds) {
        speedBox_->addItem(translatedText("explore::PlayControls", "%n passi/s", nullptr, speed),
                           speed);
    }
    speedBox_->setCurrentIndex(calc::defaultPlaySpeedIndex);
    speedBox_->setAccessibleName(translatedText("explore::PlayControls", "Velocità"));
    auto* targetLabel = new QLabel(translatedText("explore::PlayControls", "&fino al passo"), this);
    targetBox_ = new StepBox(this);
    targetBox_->setObjectName(QStringLiteral("playTarget"));
    targetBox_->setValue(calc::maximumSteps);
    targetBox_->setAccessibleName(translatedText("explore::PlayControls", "Avanza fino al passo"));
    targetLabel->setBuddy(targetBox_);
    reducedMotionBox_ =
        new QCheckBox(translatedText("explore::PlayControls", "&Movimento ridotto"), this);
    reducedMotionBox_->setObjectName(QStringLiteral("reducedMotion"));
    reducedMotionBox_->setAccessibleDescription(
        translatedText("explore::PlayControls",
                       "Avanza al massimo di un passo al secondo, qualunque sia la velocità"));
    timer_ = new QTimer(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(playButton_);
    layout->addWidget(speedBox_);
    layout->addWidget(targetLabel);
    layout->addWidget(targetBox_);
    layout->addWidget(reducedMotionBox_);

    connect(playButton_, &QPushButton::clicked, this, &PlayControls::toggle);
    connect(timer_, &QTimer::timeout, this, &PlayControls::tick);
    connect(speedBox_, &QComboBox::currentIndexChanged, this, &PlayControls::updateInterval);
    connect(reducedMotionBox_, &QCheckBox::toggled, this, &PlayControls::updateInterval);
    setPlaying(false);
}

QWidget* PlayControls::firstInTabOrder() const {
    return playButton_;
}

QWidget* PlayControls::lastInTabOrder() const {
    return reducedMotionBox_;
}

void PlayControls::setCurrentStep(int step) {
    current_ = step;
}

bool PlayControls::playing() const {
    return timer_->isActive();
}

int PlayControls::stepsPerSecond() const {
    const int chosen = chosenSpeed();
    return reducedMotion() ? std::min(chosen, reducedMotionSpeed) : chosen;
}

int PlayControls::chosenSpeed() const {
    return speedBox_->currentData().toInt();
}

void PlayControls::chooseSpeed(int speed) {
    if (const int index = speedBox_->findData(speed); index >= 0) {
        speedBox_->setCurrentIndex(index);
    }
}

bool PlayControls::reducedMotion() const {
    return reducedMotionBox_->isChecked();
}

void PlayControls::setReducedMotion(bool reduced) {
    reducedMotionBox_->setChecked(reduced);
}

void PlayControls::toggle() {
    if (playing()) {
        setPlaying(false);
        return;
    }
    if (current_ >= targetBox_->value()) {
        emit stepRequested(calc::minimumSteps);
    }
    setPlaying(true);
}

void PlayControls::tick() {
    if (current_ >= targetBox_->value()) {
        setPlaying(false);
        return;
    }
    emit stepRequested(current_ + 1);
    if (current_ >= targetBox_->value()) {
        setPlaying(false);
    }
}

void PlayControls::setPlaying(bool playing) {
    if (playing) {
        updateInterval();
        timer_->start();
    } else {
        timer_->stop();
    }
    playButton_->setText(playing ? translatedText("explore::PlayControls", "❚❚ Pau&sa")
                                 : translatedText("explore::PlayControls", "▶ &Avvia"));
    playButton_->setAccessibleName(playing ? translatedText("explore::PlayControls", "Pausa")
                                           : translatedText("explore::PlayControls", "Avvia"));
}

void PlayControls::updateInterval() {
    timer_->setInterval(1000 / stepsPerSecond());
}

} // namespace explore
