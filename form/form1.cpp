#include "form/form1.hpp"

#include "calc/compute_command.hpp"
#include "calc/form1_view.hpp"
#include "calc/step_range.hpp"
#include "runtime/host/dialogs.hpp"
#include "runtime/host/fonts.hpp"
#include "runtime/host/locale.hpp"
#include "runtime/host/translation.hpp"

#include <QAccessible>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <string_view>

namespace form {

using runtime::host::translatedText;

namespace {

// Where calc's layout puts the control of that name.
consteval QRect geometryOf(std::string_view name) {
    const calc::ControlRect at = calc::form1Geometry(name);
    return QRect(at.left, at.top, at.width, at.height);
}

constexpr QSize clientSize(calc::form1Width, calc::form1Height);
constexpr double fontPointSize = 13.5;

// Makes the controls of one window.
struct ControlMaker {
    QWidget* form;

    template <class Control> Control* control(const char* name, QRect geometry) const {
        auto* made = new Control(form);
        made->setObjectName(QString::fromLatin1(name));
        made->setGeometry(geometry);
        return made;
    }

    QLabel* staticLabel(const char* name, const QString& caption, QRect geometry) const {
        auto* label = control<QLabel>(name, geometry);
        label->setText(caption);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }

    // A result field: framed, right-aligned, drawn like the text box in the
    // palette's matching pair of field colours (light text on a dark field
    // under a dark theme), its text selectable with the mouse for copying
    // but never taking the focus.
    QLabel* resultLabel(const char* name, const QString& accessibleName, QRect geometry) const {
        auto* label = control<QLabel>(name, geometry);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::NoFocus);
        label->setAccessibleName(accessibleName);
        return label;
    }
};

// The range of steps, in the user's language, as the core writes it.
QString stepRangeText() {
    return QString::fromStdString(calc::stepRangeText());
}

} // namespace

Form1::Form1(calc::Module1& module, const QLocale& locale, QWidget* parent)
    : QWidget(parent), module_(module), decimalSeparator_(runtime::host::decimalSeparator(locale)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(clientSize);
    // The controls keep their places: a smaller window would clip them.
    setMinimumSize(clientSize);
    createControls();
    createConnections();
}

void Form1::createControls() {
    // Every control has the window's font: set once, inherited by all.
    setFont(runtime::host::designFont(fontPointSize, QFont::Bold));
    const ControlMaker make{this};

    Text1 = make.control<QLineEdit>("Text1", geometryOf("Text1"));
    Text1->setMaxLength(calc::longestStepText);
    Text1->setText(QStringLiteral("1"));
    Text1->setAlignment(Qt::AlignRight);

    Command1 = make.control<QPushButton>("Command1", geometryOf("Command1"));
    Command1->setText(translatedText("form::Form1", "Calcola costante"));
    // A focused button is pressed by Enter as well as by Space.
    Command1->setAutoDefault(true);

    const QString stepRange = stepRangeText();
    Label9 =
        make.staticLabel("Label9", QStringLiteral("  [%1]").arg(stepRange), geometryOf("Label9"));
    Label9->setAccessibleName(stepRange);
    Label8 = make.staticLabel(
        "Label8", translatedText("form::Form1", "Numero lati poligono inscritto e circoscritto"),
        geometryOf("Label8"));
    Label7 = make.resultLabel("Label7", translatedText("form::Form1", "Numero lati"),
                              geometryOf("Label7"));
    Label6 = make.resultLabel("Label6", translatedText("form::Form1", "Limite superiore"),
                              geometryOf("Label6"));
    Label5 = make.staticLabel("Label5", QStringLiteral("<"), geometryOf("Label5"));
    Label5->setAccessibleName(translatedText("form::Form1", "minore di"));
    Label4 =
        make.staticLabel("Label4", translatedText("form::Form1", "costante"), geometryOf("Label4"));
    // Sized for the Italian word: a shorter translation ("π") stands midway
    // between the two "<"; the Italian row stays as the window always had it.
    if (Label4->text() != QStringLiteral("costante")) {
        Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Label3 = make.staticLabel("Label3", QStringLiteral("<"), geometryOf("Label3"));
    Label3->setAccessibleName(translatedText("form::Form1", "minore di"));
    Label2 = make.resultLabel("Label2", translatedText("form::Form1", "Limite inferiore"),
                              geometryOf("Label2"));
    Label1 = make.staticLabel("Label1", translatedText("form::Form1", "Numero iterazioni"),
                              geometryOf("Label1"));
    Label1->setBuddy(Text1);
    Text1->setAccessibleName(Label1->text());

    // The button comes before the text box in the tab order and has the
    // focus when the window opens.
    setTabOrder(Command1, Text1);
    Command1->setFocus();
}

void Form1::createConnections() {
    connect(Command1, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &Form1::Command1_Click); });
}

void Form1::Command1_Click() {
    const calc::ComputeOutcome outcome =
        calc::runComputeCommand(module_, Text1->text().toStdString(), decimalSeparator_);
    if (!outcome.computed) {
        runtime::host::messageBox(this, QString::fromStdString(outcome.warning));
        return;
    }
    showResult(Label7, outcome.sides);
    showResult(Label2, outcome.lowerBound);
    showResult(Label6, outcome.upperBound);
}

// Qt's labels offer no text to assistive technology over AT-SPI, so the shown
// text is also the label's description, and each new value is announced.
void Form1::showResult(QLabel* label, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    label->setText(shown);
    label->setAccessibleDescription(shown);
    QAccessibleValueChangeEvent event(label, shown);
    QAccessible::updateAccessibility(&event);
}

} // namespace form
