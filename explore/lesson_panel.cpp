#include "explore/lesson_panel.hpp"

#include "calc/lesson.hpp"
#include "runtime/host/translation.hpp"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <utility>

namespace explore {

using runtime::host::translatedText;

namespace {

constexpr int normalPixels = 14;
constexpr int largePixels = 26;

QString qString(const std::string& text) {
    return QString::fromStdString(text);
}

// The section's pattern in the user's language, its numbers filled in.
QString filledText(const calc::LessonSection& section) {
    QString text = translatedText("calc", section.pattern);
    for (const std::string& argument : section.arguments) {
        text = text.arg(qString(argument));
    }
    return text;
}

// A run of text in one style.
struct Piece {
    QString text;
    bool italic = false;
    bool bold = false;
};

QString htmlOf(const std::vector<Piece>& pieces) {
    QString html;
    for (const Piece& piece : pieces) {
        QString text = piece.text.toHtmlEscaped();
        if (piece.italic) {
            text = QStringLiteral("<i>%1</i>").arg(text);
        }
        if (piece.bold) {
            text = QStringLiteral("<b>%1</b>").arg(text);
        }
        html += text;
    }
    return html;
}

QString plainOf(const std::vector<Piece>& pieces) {
    QString text;
    for (const Piece& piece : pieces) {
        text += piece.text;
    }
    return text;
}

} // namespace

LessonPanel::LessonPanel(std::string decimalSeparator, int runOutStep, QWidget* parent)
    : QTextBrowser(parent), decimalSeparator_(std::move(decimalSeparator)),
      runOutStep_(runOutStep) {
    setAccessibleName(translatedText("explore::LessonPanel", "Come funziona"));
    setOpenLinks(false);
    // Read only: nothing to undo, and the numbers rewritten at every step of
    // a play would otherwise pile up in the undo stack for as long as it runs.
    document()->setUndoRedoEnabled(false);
    setMinimumWidth(280);
    setLarge(false);
}

void LessonPanel::setLarge(bool large, double scale) {
    pixels_ = large ? std::max(normalPixels, static_cast<int>(std::lround(largePixels * scale)))
                    : normalPixels;
    QFont shown = font();
    shown.setPixelSize(pixels_);
    setFont(shown);
    document()->setDefaultFont(shown);
    document()->clear();
    if (step_ > 0 && provenKnown_) {
        showStep();
    }
}

void LessonPanel::setProven(std::vector<calc::DigitSeries> proven, int aimedAt) {
    proven_ = std::move(proven);
    aimedAt_ = aimedAt;
    provenKnown_ = true;
    if (step_ > 0) {
        showStep();
    }
}

void LessonPanel::setStep(int step) {
    if (step == step_) {
        return;
    }
    step_ = step;
    if (provenKnown_) {
        showStep();
    }
}

// The lesson as paragraphs: its heading, then each section's title, text and
// formulas, one a paragraph. A new step changes the numbers only, so the
// paragraphs that changed are rewritten in place and the document lays out
// those alone: rebuilding it all at every step of a play would take longer
// than a frame.
void LessonPanel::showStep() {
    const auto provenBy = [this](std::size_t method) {
        return method < proven_.size() ? static_cast<int>(calc::digitsAt(proven_[method], step_))
                                       : 0;
    };
    const calc::ProvenDigits proven{.doubling = provenBy(0),
                                    .huygens = provenBy(1),
                                    .richardson = provenBy(2),
                                    .aimedAt = aimedAt_};
    std::vector<std::vector<Piece>> paragraphs;
    QString html =
        QStringLiteral("<h2>%1</h2>")
            .arg(translatedText("explore::LessonPanel", "Come funziona").toHtmlEscaped());
    paragraphs.push_back({{translatedText("explore::LessonPanel", "Come funziona")}});
    for (const calc::LessonSection& section :
         calc::lessonSections(step_, runOutStep_, proven, decimalSeparator_)) {
        const QString title = translatedText("calc", section.title);
        html += QStringLiteral("<h3>%1</h3>").arg(title.toHtmlEscaped());
        paragraphs.push_back({{title}});
        paragraphs.push_back({{filledText(section)}});
        html += QStringLiteral("<p>%1</p>").arg(htmlOf(paragraphs.back()));
        for (const calc::LessonFormula& formula : section.formulas) {
            paragraphs.push_back(
                {{qString(formula.symbols), true},
                 {QStringLiteral(" = ") + qString(formula.numbers) + QStringLiteral(" = ")},
                 {qString(formula.value), false, true}});
            html += QStringLiteral("<p>%1</p>").arg(htmlOf(paragraphs.back()));
        }
    }

    QTextDocument& shown = *document();
    if (shown.blockCount() != static_cast<int>(paragraphs.size()) || shownPixels_ != pixels_) {
        const int scrolled = verticalScrollBar()->value();
        setHtml(html);
        verticalScrollBar()->setValue(scrolled);
        shownPixels_ = pixels_;
        return;
    }
    QTextCursor cursor(&shown);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const QTextBlock block = shown.findBlockByNumber(static_cast<int>(i));
        if (block.text() == plainOf(paragraphs[i])) {
            continue;
        }
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format = cursor.charFormat();
        cursor.removeSelectedText();
        for (const Piece& piece : paragraphs[i]) {
            format.setFontItalic(piece.italic);
            format.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
            cursor.insertText(piece.text, format);
        }
    }
    cursor.endEditBlock();
}

} // namespace explore
