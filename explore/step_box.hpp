#pragma once

// A spin box of a step, 1 to 500, that reads what is typed as every other
// face reads a number of steps (calc::readStepCount): "2.5" is 2, "1e2" is
// 100. A count the others refuse (0, 999, an overflow) is refused here with
// their words, and the step stays where it was. A plain QSpinBox drops each
// key that does not leave an integer in range, so that "2.5" became 25 and
// "999" 99 without a word.

#include <QSpinBox>
#include <QString>

namespace explore {

class StepBox : public QSpinBox {
    Q_OBJECT

public:
    explicit StepBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;

private:
    void refuseTyped();

    // What the user typed since the box last took a value: read once the
    // editing ends, never key by key.
    QString typed_;
};

} // namespace explore
