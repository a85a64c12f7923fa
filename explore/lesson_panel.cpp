#include "explore/lesson_panel.hpp"

#include "calc/lesson.hpp"
#include "runtime/host/translation.hpp"

#include <QScrollBar>

#include <utility>

namespace explore {
namespace {

constexpr int normalPixels = 14;
constexpr int largePixels = 26;

QString qString(const std::string& text) {
    return QString::fromStdString(text);
}

// The section's pattern in the user's language, its numbers filled in.
QString filledText(const calc::LessonSection& section) {
    QString text = runtime::host::translateCoreText("calc", section.pattern);
    for (const std::string& argument : section.arguments) {
        text = text.arg(qString(argument));
    }
    return text;
}

QString formulaTable(const std::vector<calc::LessonFormula>& formulas) {
    if (formulas.empty()) {
        return {};
    }
    QString html = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"2\">");
    for (const calc::LessonFormula& formula : formulas) {
        html += QStringLiteral("<tr><td><i>%1</i></td><td>= %2</td><td>= <b>%3</b></td></tr>")
                    .arg(qString(formula.symbols).toHtmlEscaped(),
                         qString(formula.numbers).toHtmlEscaped(),
                         qString(formula.value).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

} // namespace

LessonPanel::LessonPanel(std::string decimalSeparator, int runOutStep,
                         std::vector<calc::DigitSeries> proven, int aimedAt, QWidget* parent)
    : QTextBrowser(parent), decimalSeparator_(std::move(decimalSeparator)), runOutStep_(runOutStep),
      proven_(std::move(proven)), aimedAt_(aimedAt) {
    setAccessibleName(tr("Come funziona"));
    setOpenLinks(false);
    setMinimumWidth(280);
    setLarge(false);
}

void LessonPanel::setLarge(bool large) {
    large_ = large;
    QFont shown = font();
    shown.setPixelSize(large ? largePixels : normalPixels);
    setFont(shown);
    document()->setDefaultFont(shown);
    if (step_ > 0) {
        showStep();
    }
}

void LessonPanel::setStep(int step) {
    if (step == step_) {
        return;
    }
    step_ = step;
    showStep();
}

void LessonPanel::showStep() {
    const auto provenBy = [this](std::size_t method) {
        return method < proven_.size() ? static_cast<int>(calc::digitsAt(proven_[method], step_))
                                       : 0;
    };
    const calc::ProvenDigits proven{.doubling = provenBy(0),
                                    .huygens = provenBy(1),
                                    .richardson = provenBy(2),
                                    .aimedAt = aimedAt_};
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("Come funziona").toHtmlEscaped());
    for (const calc::LessonSection& section :
         calc::lessonSections(step_, runOutStep_, proven, decimalSeparator_)) {
        html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(runtime::host::translateCoreText("calc", section.title).toHtmlEscaped(),
                         filledText(section).toHtmlEscaped()) +
                formulaTable(section.formulas);
    }
    const int scrolled = verticalScrollBar()->value();
    setHtml(html);
    verticalScrollBar()->setValue(scrolled);
}

} // namespace explore
