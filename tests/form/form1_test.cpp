#include "apps/project.hpp"
#include "form/form1.hpp"
#include "runtime/host/application.hpp"
#include "runtime/host/translation.hpp"
#include "tests/gui_support/accessibility.hpp"
#include "tests/gui_support/modal_watchdog.hpp"
#include "tests/gui_support/shown_texts.hpp"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using testing_support::ModalWatchdog;

const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale english(QLocale::English, QLocale::UnitedStates);

constexpr const char* tooMany = "Risultati inattendibili!";
constexpr const char* tooFew = "Inserire un numero di iterazioni da 1 a 500.";
constexpr const char* overflowReport = "Errore di run-time '6':\n\nOverflow";

std::string str(const QString& text) {
    return text.toStdString();
}

// A shown Form1 on its own Module1, driven with real mouse and key events.
class Form1Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { runtime::host::configureApplication(apps::lavoro1Project()); }

    void open(const QLocale& locale = italian) {
        form = std::make_unique<form::Form1>(module, locale);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override {
        QApplication::processEvents();
        EXPECT_TRUE(watchdog.allExpectedShown()) << "an expected message box never appeared";
    }

    template <class Control> Control* control(const char* name) const {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* text1() const { return control<QLineEdit>("Text1"); }
    QPushButton* command1() const { return control<QPushButton>("Command1"); }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }

    // Replaces the text box's contents by typing, as a user would.
    void type(const QString& text) {
        QTest::mouseClick(text1(), Qt::LeftButton);
        QTest::keyClick(text1(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text1(), Qt::Key_Delete);
        QTest::keyClicks(text1(), text);
        ASSERT_EQ(text1()->text(), text);
    }
    void click() { QTest::mouseClick(command1(), Qt::LeftButton); }

    struct Results {
        QString sides, lower, upper;
        bool operator==(const Results&) const = default;
    };
    Results results() const { return {label("Label7"), label("Label2"), label("Label6")}; }

    ModalWatchdog watchdog;
    calc::Module1 module;
    std::unique_ptr<form::Form1> form;
};

// --- Start state -------------------------------------------------------------

struct ControlLayout {
    const char* name;
    const char* kind;
    QRect geometry; // logical pixels
};

// The layout table, 15 twips to a pixel, in creation order.
const std::vector<ControlLayout> layout = {
    {"Text1", "QLineEdit", {232, 40, 137, 25}}, {"Command1", "QPushButton", {200, 168, 193, 41}},
    {"Label9", "QLabel", {376, 40, 137, 33}},   {"Label8", "QLabel", {8, 104, 297, 49}},
    {"Label7", "QLabel", {320, 120, 137, 25}},  {"Label6", "QLabel", {848, 120, 137, 25}},
    {"Label5", "QLabel", {808, 120, 25, 25}},   {"Label4", "QLabel", {720, 120, 81, 25}},
    {"Label3", "QLabel", {696, 120, 17, 25}},   {"Label2", "QLabel", {552, 120, 137, 25}},
    {"Label1", "QLabel", {24, 40, 193, 33}},
};

TEST_F(Form1Test, CreatesTheElevenControlsInOrderWhereTheLayoutPutsThem) {
    open();
    EXPECT_EQ(form->windowTitle(), "Form1");
    EXPECT_EQ(form->size(), QSize(999, 227));
    const QList<QWidget*> children = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), static_cast<qsizetype>(layout.size()));
    for (std::size_t i = 0; i < layout.size(); ++i) {
        SCOPED_TRACE(layout[i].name);
        const QWidget* widget = children[static_cast<qsizetype>(i)];
        EXPECT_EQ(widget->objectName(), layout[i].name);
        EXPECT_STREQ(widget->metaObject()->className(), layout[i].kind);
        EXPECT_EQ(widget->geometry(), layout[i].geometry);
    }

    form->resize(400, 100);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(999, 227)) << "never smaller than its controls need";
    form->resize(1400, 500);
    QApplication::processEvents();
    for (const ControlLayout& expected : layout) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(control<QWidget>(expected.name)->geometry(), expected.geometry)
            << "controls keep their places whatever the window's size";
    }
}

TEST_F(Form1Test, OpensWithOneStepTypedEmptyResultsAndTheButtonFocused) {
    open();
    EXPECT_EQ(text1()->text(), "1");
    EXPECT_EQ(command1()->text(), "Calcola costante");
    EXPECT_EQ(label("Label9"), "  [da 1 a 500]");
    EXPECT_EQ(label("Label8"), "Numero lati poligono inscritto e circoscritto");
    EXPECT_EQ(label("Label5"), "<");
    EXPECT_EQ(label("Label4"), "costante");
    EXPECT_EQ(control<QLabel>("Label4")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(label("Label3"), "<");
    EXPECT_EQ(label("Label1"), "Numero iterazioni");
    EXPECT_EQ(results(), (Results{"", "", ""}));
    EXPECT_EQ(QApplication::focusWidget(), command1());
    for (const QLabel* anyLabel : form->findChildren<QLabel*>()) {
        SCOPED_TRACE(str(anyLabel->objectName()));
        EXPECT_EQ(anyLabel->focusPolicy(), Qt::NoFocus) << "no label takes the focus";
    }
    for (const char* name : {"Label7", "Label2", "Label6"}) {
        EXPECT_TRUE(control<QLabel>(name)->textInteractionFlags() & Qt::TextSelectableByMouse)
            << name << " can be selected for copying";
    }
}

TEST_F(Form1Test, DrawsEveryControlInTheSameBoldFont) {
    open();
    const bool designFontInstalled = QFontInfo(QFont("MS Sans Serif")).family() == "MS Sans Serif";
    for (const ControlLayout& entry : layout) {
        SCOPED_TRACE(entry.name);
        const QWidget* widget = control<QWidget>(entry.name);
        EXPECT_EQ(widget->font().family(), "MS Sans Serif");
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 13.5);
        EXPECT_EQ(widget->font().weight(), QFont::Bold);
        const QFontInfo drawn(widget->font());
        EXPECT_EQ(drawn.family(), designFontInstalled ? "MS Sans Serif" : "DejaVu Sans");
        EXPECT_TRUE(drawn.bold());
    }
}

// Each caption, and the widest result, fits inside its control: nothing is cut.
TEST_F(Form1Test, FitsEveryTextInsideItsControl) {
    open();
    type("500");
    click();
    for (const QLabel* shown : form->findChildren<QLabel*>()) {
        SCOPED_TRACE(str(shown->objectName()));
        const QRect room = shown->contentsRect().marginsRemoved(
            QMargins(shown->margin(), shown->margin(), shown->margin(), shown->margin()));
        const int flags = static_cast<int>(shown->alignment()) |
                          (shown->wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
        const QRect needed = shown->fontMetrics().boundingRect(room, flags, shown->text());
        EXPECT_TRUE(room.contains(needed)) << "needs " << needed.width() << "x" << needed.height()
                                           << ", has " << room.width() << "x" << room.height();
    }
    const int buttonText = command1()->fontMetrics().horizontalAdvance(command1()->text());
    EXPECT_LT(buttonText, command1()->width() - 8);
}

// --- The compute command -----------------------------------------------------

struct ComputeCase {
    const char* text;
    const QLocale* locale;
    const char* sides;
    const char* lower;
    const char* upper;
};

void PrintTo(const ComputeCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" " << str(c.locale->name());
}

class Form1Compute : public Form1Test, public ::testing::WithParamInterface<ComputeCase> {};

TEST_P(Form1Compute, ShowsSidesAndBoundsWithTheLocalesSeparator) {
    const ComputeCase& c = GetParam();
    open(*c.locale);
    type(c.text);
    click();
    EXPECT_EQ(results(), (Results{c.sides, c.lower, c.upper}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Form1Compute,
    ::testing::Values(ComputeCase{"1", &english, "6.000E+00", "3.00000000", "3.46410162"},
                      ComputeCase{"500", &italian, "9,820E+150", "3,14159265", "3,14159265"},
                      ComputeCase{"500.5", &italian, "9,820E+150", "3,14159265", "3,14159265"},
                      ComputeCase{"2,5", &english, "1.200E+01", "3.10582854", "3.21539031"}));

TEST_F(Form1Test, ComputesTheInitialTextOnTheFirstClick) {
    open();
    click();
    EXPECT_EQ(results(), (Results{"6,000E+00", "3,00000000", "3,46410162"}));
}

TEST_F(Form1Test, ShowsTheSameResultsForTheSameTextEveryTime) {
    open();
    type("37");
    click();
    const Results first = results();
    click();
    EXPECT_EQ(results(), first);
    EXPECT_EQ(first.sides, "4,123E+11");
}

struct RefusedCase {
    const char* text;
    const char* warning;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class Form1Refuses : public Form1Test, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(Form1Refuses, WarnsInAModalBoxAndLeavesTheResults) {
    const RefusedCase& c = GetParam();
    open();
    click();
    const Results before = results();

    type(c.text);
    watchdog.expectMessageBox();
    click();

    ASSERT_EQ(watchdog.answered().size(), 1u);
    const testing_support::ShownBox& box = watchdog.answered().front();
    EXPECT_EQ(box.title, "Lavoro1");
    EXPECT_EQ(box.text, c.warning);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_TRUE(box.okButton);
    EXPECT_TRUE(box.modal);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(module.sideCount, 6.0) << "the start polygon is reset on every click";
    EXPECT_EQ(module.sideLength, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Texts, Form1Refuses,
                         ::testing::Values(RefusedCase{"501", tooMany},
                                           RefusedCase{"501.5", tooMany}, RefusedCase{"0", tooFew},
                                           RefusedCase{"-3", tooFew}, RefusedCase{"", tooFew},
                                           RefusedCase{"abc", tooFew}));

TEST_F(Form1Test, ReportsAnOverflowAndGoesOnRunning) {
    open();
    click();
    const Results before = results();
    for (const char* text : {"3000000000", "1e999"}) {
        SCOPED_TRACE(text);
        type(text);
        watchdog.expectMessageBox();
        click();
        EXPECT_EQ(results(), before);
    }
    ASSERT_EQ(watchdog.answered().size(), 2u);
    for (const testing_support::ShownBox& box : watchdog.answered()) {
        EXPECT_EQ(box.title, "Lavoro1");
        EXPECT_EQ(box.text, overflowReport);
        EXPECT_EQ(box.buttonCount, 1);
    }

    type("2");
    click();
    EXPECT_EQ(label("Label7"), "1,200E+01") << "the window still computes after the report";
}

// --- Keyboard ----------------------------------------------------------------

TEST_F(Form1Test, TabMovesBetweenTheButtonAndTheTextBoxOnly) {
    open();
    ASSERT_EQ(QApplication::focusWidget(), command1());
    const std::vector<std::pair<Qt::KeyboardModifiers, QWidget*>> presses = {
        {Qt::NoModifier, text1()},
        {Qt::NoModifier, command1()},
        {Qt::ShiftModifier, text1()},
        {Qt::ShiftModifier, command1()},
    };
    for (const auto& [modifiers, expected] : presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), expected) << str(expected->objectName());
    }
}

TEST_F(Form1Test, TheFocusedButtonIsPressedBySpaceOrEnterAndNothingElse) {
    open();
    type("4");
    QTest::keyClick(text1(), Qt::Key_Return);
    EXPECT_EQ(results(), (Results{"", "", ""})) << "Enter in the text box does nothing";
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        open();
        QTest::keyClick(command1(), key);
        EXPECT_EQ(label("Label7"), "6,000E+00");
    }
}

// --- Accessibility -----------------------------------------------------------

TEST_F(Form1Test, NamesEveryControlForAssistiveTechnology) {
    open();
    for (const ControlLayout& entry : layout) {
        SCOPED_TRACE(entry.name);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control<QWidget>(entry.name));
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty());
    }
    const auto nameOf = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(control<QWidget>(name))
            ->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf("Label7"), "Numero lati");
    EXPECT_EQ(nameOf("Label2"), "Limite inferiore");
    EXPECT_EQ(nameOf("Label6"), "Limite superiore");
    EXPECT_EQ(nameOf("Text1"), "Numero iterazioni");

    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(text1());
    const auto labelledBy = text->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.front().first->object(), control<QLabel>("Label1"));
}

using Announcement = std::pair<QObject*, QAccessible::Event>;
std::vector<Announcement>* announcements = nullptr;

void recordAnnouncement(QAccessibleEvent* event) {
    if (announcements != nullptr) {
        announcements->emplace_back(event->object(), event->type());
    }
}

TEST_F(Form1Test, AnnouncesEveryNewResultAndKeepsItInTheDescription) {
    open();
    testing_support::activateAccessibility();
    ASSERT_TRUE(QAccessible::isActive());
    std::vector<Announcement> seen;
    announcements = &seen;
    QAccessible::installUpdateHandler(recordAnnouncement);
    click();
    QAccessible::installUpdateHandler(nullptr);
    announcements = nullptr;

    for (const char* name : {"Label7", "Label2", "Label6"}) {
        SCOPED_TRACE(name);
        auto* result = control<QLabel>(name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description),
                  result->text());
        for (const QAccessible::Event type :
             {QAccessible::ValueChanged, QAccessible::DescriptionChanged}) {
            EXPECT_NE(std::find(seen.begin(), seen.end(), Announcement(result, type)), seen.end())
                << "event " << type;
        }
    }
}

// --- Picture -----------------------------------------------------------------

// WCAG's relative luminance of an sRGB colour, and the contrast of two.
double luminance(QColor colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
double contrast(QColor a, QColor b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The field's colour is the commonest pixel inside its frame; the text's, the
// pixel that stands out most from it (antialiased edges stand out less).
struct RenderedColours {
    QColor field, text;
};
RenderedColours renderedColours(const QImage& image, QRect inside) {
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QColor field(
        std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first);
    QColor text = field;
    for (const auto& [pixel, count] : counts) {
        if (contrast(QColor(pixel), field) > contrast(text, field)) {
            text = QColor(pixel);
        }
    }
    return {field, text};
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    return dark;
}

TEST_F(Form1Test, ResultsAndTheTextBoxAreReadableUnderALightAndADarkPalette) {
    open();
    type("5");
    click();
    const struct {
        const char* name;
        QPalette palette;
        bool darkField;
    } palettes[] = {{"light", QApplication::style()->standardPalette(), false},
                    {"dark", darkPalette(), true}};
    for (const auto& p : palettes) {
        SCOPED_TRACE(p.name);
        form->setPalette(p.palette);
        const QImage image = form->grab().toImage();
        for (const char* name : {"Label7", "Label2", "Label6", "Text1"}) {
            SCOPED_TRACE(name);
            const QWidget* field = control<QWidget>(name);
            const RenderedColours colours =
                renderedColours(image, field->geometry().adjusted(3, 3, -3, -3));
            EXPECT_GE(contrast(colours.text, colours.field), 4.5)
                << str(colours.text.name()) << " on " << str(colours.field.name());
            EXPECT_EQ(luminance(colours.field) < 0.2, p.darkField) << str(colours.field.name());
        }
    }
}

TEST_F(Form1Test, RendersToAPicture) {
    open();
    type("500");
    click();
    const QImage picture = form->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(999, 227) * form->devicePixelRatio());
    EXPECT_TRUE(picture.save(QStringLiteral(LAVORO1_SCREENSHOT_PATH)));
}

} // namespace

// --- Language ----------------------------------------------------------------

class Form1InEnglish : public Form1Test {
protected:
    void SetUp() override { translations.emplace(runtime::host::Language::English); }
    void TearDown() override {
        Form1Test::TearDown();
        form.reset();
        translations.reset();
    }
    std::optional<runtime::host::Translations> translations;
};

TEST_F(Form1InEnglish, ShowsEveryTextInEnglishAndWarnsInEnglish) {
    open(english);
    EXPECT_EQ(form->windowTitle(), "Form1");
    EXPECT_EQ(command1()->text(), "Compute π");
    EXPECT_EQ(label("Label9"), "  [1 to 500]");
    EXPECT_EQ(label("Label8"), "Number of sides of each polygon");
    EXPECT_EQ(label("Label4"), "π");
    // π midway between the two "<", where the Italian word is left-aligned.
    EXPECT_EQ(control<QLabel>("Label4")->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(label("Label1"), "Number of steps");
    EXPECT_EQ(control<QLabel>("Label2")->accessibleName(), "Lower bound");
    EXPECT_EQ(control<QLabel>("Label6")->accessibleName(), "Upper bound");

    // No text of the Italian window is left as it was, but for symbols and
    // the window's name.
    const testing_support::ShownTexts englishTexts = testing_support::shownTexts(*form);
    translations.reset();
    open(italian);
    EXPECT_EQ(testing_support::untranslated(testing_support::shownTexts(*form), englishTexts,
                                            {"Form1 window title"}),
              std::vector<std::string>{});
    translations.emplace(runtime::host::Language::English);
    open(english);

    for (const auto& [typed, warning] :
         {std::pair{"501", "Unreliable results!"},
          std::pair{"0", "Enter a number of steps from 1 to 500."}}) {
        SCOPED_TRACE(typed);
        type(QString::fromLatin1(typed));
        watchdog.expectMessageBox();
        click();
        ASSERT_FALSE(watchdog.answered().empty());
        EXPECT_EQ(watchdog.answered().back().text, warning);
    }
}

// Qt's own texts, such as the buttons of the file dialog and the message
// boxes, follow the window's Italian.
TEST(ItalianTranslations, PutQtsOwnButtonsInItalian) {
    const runtime::host::Translations translations(runtime::host::Language::Italian);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
}
