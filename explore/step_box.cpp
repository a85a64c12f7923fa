#include "explore/step_box.hpp"

#include "calc/compute_command.hpp"
#include "calc/step_range.hpp"
#include "runtime/errors.hpp"
#include "runtime/host/dialogs.hpp"

#include <QLineEdit>

#include <optional>
#include <utility>

namespace explore {
namespace {

// The step text stands for, when the other faces accept it.
std::optional<int> acceptedStep(const QString& text) {
    try {
        const calc::StepCount read = calc::readStepCount(text.toStdString());
        if (read.warning.empty()) {
            return read.count;
        }
    } catch (const runtime::RuntimeError&) {
    }
    return std::nullopt;
}

} // namespace

StepBox::StepBox(QWidget* parent) : QSpinBox(parent) {
    setRange(calc::minimumSteps, calc::maximumSteps);
    // A count is read whole, at Enter or when the focus leaves: typed key by
    // key, 999 would pass through 9 and 99.
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { typed_ = text; });
    connect(this, &QAbstractSpinBox::editingFinished, this, &StepBox::refuseTyped);
}

// Nothing typed is dropped: a text the other faces refuse is only not yet
// acceptable, and left as typed until the editing ends.
QValidator::State StepBox::validate(QString& text, int&) const {
    return acceptedStep(text) ? QValidator::Acceptable : QValidator::Intermediate;
}

int StepBox::valueFromText(const QString& text) const {
    return acceptedStep(text).value_or(value());
}

// Once the editing has ended, the box has taken the step typed or gone back
// to the one before; a refused text is then told, in the words of Form1.
void StepBox::refuseTyped() {
    const QString typed = std::exchange(typed_, QString());
    if (typed.isNull() || acceptedStep(typed)) {
        return;
    }
    try {
        const calc::StepCount read = calc::readStepCount(typed.toStdString());
        runtime::host::messageBox(this, QString::fromStdString(read.warning));
    } catch (const runtime::RuntimeError&) {
        runtime::host::reportCurrentException(this);
    }
}

} // namespace explore
