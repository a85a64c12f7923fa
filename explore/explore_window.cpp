#include "explore/explore_window.hpp"

#include "calc/compute_command.hpp"
#include "calc/drawing.hpp"
#include "calc/proven_series.hpp"
#include "calc/spreadsheet.hpp"
#include "calc/view_texts.hpp"
#include "explore/lesson_panel.hpp"
#include "explore/play_controls.hpp"
#include "explore/step_box.hpp"
#include "explore/step_table_model.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/host/dialogs.hpp"
#include "runtime/host/locale.hpp"
#include "runtime/host/settings_file.hpp"
#include "runtime/host/translation.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

namespace explore {

using runtime::host::translatedText;

namespace {

// Esplora's part of the application's settings: the group [Esplora] of
// ~/.config/Lavoro1/Lavoro1.conf.
const QString settingsGroup = QStringLiteral("Esplora");
const QString geometryKey = QStringLiteral("geometry");
const QString viewsKey = QStringLiteral("viewsSplitter");
const QString tableChartKey = QStringLiteral("tableChartSplitter");
const QString drawingLessonKey = QStringLiteral("drawingLessonSplitter");
const QString stepKey = QStringLiteral("step");
const QString speedKey = QStringLiteral("playSpeed");             // steps per second
const QString reducedMotionKey = QStringLiteral("reducedMotion"); // true or false

QString applicationName() {
    return QString::fromLatin1(lavoro1::applicationName);
}

// The work area of the screen at point, or of the primary screen when no
// screen holds it; empty without screens.
QRect workAreaAt(const QPoint& point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen == nullptr ? QRect() : screen->availableGeometry();
}

// The least size of the chart, and of its place before it is loaded.
constexpr QSize chartMinimumSize{360, 260};

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

QRect fitToScreen(const QRect& wanted, const QRect& available, QSize least) {
    if (available.isEmpty() || available.contains(wanted)) {
        return wanted;
    }
    // The margins narrow where the full ones would leave less than least.
    const int across = std::clamp((available.width() - least.width()) / 2, 0, screenMargin);
    const int down = std::clamp((available.height() - least.height()) / 2, 0, screenMargin);
    const QRect room = available.marginsRemoved({across, down, across, down});
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(room.size()));
    fitted.moveLeft(
        std::clamp(fitted.left(), room.left(), room.left() + room.width() - fitted.width()));
    fitted.moveTop(
        std::clamp(fitted.top(), room.top(), room.top() + room.height() - fitted.height()));
    return fitted;
}

QRect openingGeometry(const QRect& available) {
    QRect centred({}, preferredWindowSize);
    centred.moveCenter(available.center());
    return fitToScreen(centred, available);
}

PolygonView::PolygonView(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    setAccessibleName(translatedText("explore::PolygonView", "Disegno dei poligoni"));
    setMinimumSize(360, 260);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PolygonView::setStep(int step) {
    step_ = step;
    shown_ = scene();
    setAccessibleDescription(shown_->title + QLatin1Char(' ') + shown_->insetCaption[0] +
                             QLatin1Char(' ') + shown_->insetCaption[1]);
    update();
}

void PolygonView::setLarge(bool large, double scale) {
    text_ = large ? calc::drawingTextOf(std::max(calc::drawingText.fontPixels,
                                                 scale * calc::largeDrawingFontPixels))
                  : calc::drawingText;
    shown_.reset();
    update();
}

pictures::PolygonScene PolygonView::scene() const {
    return pictures::makeScene(step_, QSizeF(size()), decimalSeparator_, text_);
}

void PolygonView::resizeEvent(QResizeEvent* event) {
    shown_.reset();
    QWidget::resizeEvent(event);
}

// The scene made for the step is painted as it is, unless the size or the
// type changed since.
void PolygonView::paintEvent(QPaintEvent*) {
    if (!shown_) {
        shown_ = scene();
    }
    QPainter painter(this);
    pictures::paintScene(painter, *shown_,
                         isDark(palette()) ? pictures::darkColours() : pictures::lightColours());
}

void StepTableView::keyPressEvent(QKeyEvent* event) {
    const auto* steps = qobject_cast<const StepTableModel*>(model());
    if (event->matches(QKeySequence::Copy) && steps != nullptr) {
        QGuiApplication::clipboard()->setText(
            steps->tabSeparated(selectionModel()->selectedIndexes()));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

ExploreWindow::ExploreWindow(const QLocale& locale, std::optional<int> step, QWidget* parent)
    : QWidget(parent), decimalSeparator_(runtime::host::decimalSeparator(locale)),
      rows_(std::make_shared<const std::vector<calc::StepRow>>(calc::stepRows(calc::maximumSteps))),
      settings_(std::make_unique<runtime::host::SettingsFile>(
          runtime::host::SettingsFile::userPath(applicationName()))) {
    setObjectName(QStringLiteral("Esplora"));
    setWindowTitle(translatedText("explore::ExploreWindow", "Esplora poligoni e convergenza"));
    createControls();
    createConnections();
    applyPalette();
    const std::optional<int> remembered = restoreLayout();
    setStep(step.value_or(remembered.value_or(calc::defaultExploreStep)));
}

ExploreWindow::~ExploreWindow() = default;

void ExploreWindow::createControls() {
    createStepControls();
    createViews();
    layOut();
}

// The step's spin box and slider, and the save buttons.
void ExploreWindow::createStepControls() {
    stepLabel_ = new QLabel(translatedText("explore::ExploreWindow", "&Passo:"), this);
    stepBox_ = new StepBox(this);
    stepBox_->setObjectName(QStringLiteral("stepBox"));
    stepBox_->setAccessibleName(translatedText("explore::ExploreWindow", calc::stepName));
    stepBox_->setAccessibleDescription(
        translatedText("explore::ExploreWindow", calc::stepDescriptionPattern)
            .arg(translatedText("calc", calc::stepRangePattern)
                     .arg(calc::minimumSteps)
                     .arg(calc::maximumSteps)));
    stepLabel_->setBuddy(stepBox_);
    stepSlider_ = new QSlider(Qt::Horizontal, this);
    stepSlider_->setObjectName(QStringLiteral("stepSlider"));
    stepSlider_->setRange(calc::minimumSteps, calc::maximumSteps);
    stepSlider_->setPageStep(10);
    stepSlider_->setAccessibleName(translatedText("explore::ExploreWindow", "Passo, cursore"));
    saveDrawingButton_ =
        new QPushButton(translatedText("explore::ExploreWindow", "Salva &disegno..."), this);
    saveDrawingButton_->setObjectName(QStringLiteral("saveDrawing"));
    saveDrawingButton_->setAccessibleName(
        translatedText("explore::ExploreWindow", "Salva il disegno"));
    saveChartButton_ =
        new QPushButton(translatedText("explore::ExploreWindow", "Salva &grafico..."), this);
    saveChartButton_->setObjectName(QStringLiteral("saveChart"));
    saveChartButton_->setAccessibleName(
        translatedText("explore::ExploreWindow", "Salva il grafico"));
    saveTableButton_ =
        new QPushButton(translatedText("explore::ExploreWindow", "Salva &tabella..."), this);
    saveTableButton_->setObjectName(QStringLiteral("saveTable"));
    saveTableButton_->setAccessibleName(
        translatedText("explore::ExploreWindow", "Salva la tabella"));
    play_ = new PlayControls(this);
    play_->setObjectName(QStringLiteral("playControls"));
    bounds_ = new QLabel(this);
    bounds_->setObjectName(QStringLiteral("bounds"));
    bounds_->setAccessibleName(translatedText("explore::ExploreWindow", "Passo e limiti"));
    bounds_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bounds_->setWordWrap(true);
    bounds_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// The drawing, the table and the chart with its note.
void ExploreWindow::createViews() {
    drawing_ = new PolygonView(decimalSeparator_, this);
    drawing_->setObjectName(QStringLiteral("drawing"));

    model_ = new StepTableModel(rows_, decimalSeparator_, this);
    table_ = new StepTableView(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->verticalHeader()->setVisible(false);
    // Painted once its columns are measured, after the first frame.
    table_->setUpdatesEnabled(false);
    table_->setAccessibleName(translatedText("explore::ExploreWindow", "Tabella dei passi"));
    table_->setAccessibleDescription(translatedText(
        "explore::ExploreWindow", "Passo, lati, limite inferiore, limite superiore e differenza; "
                                  "Ctrl+C copia le righe scelte"));

    // The chart's place, kept until loadChart() puts the chart in it.
    chartView_ = new QWidget(this);
    chartView_->setMinimumSize(chartMinimumSize);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    provenBox_ = new QCheckBox(
        translatedText("explore::ExploreWindow", "&Cifre dimostrate nella tabella"), this);
    provenBox_->setObjectName(QStringLiteral("provenDigits"));
    provenBox_->setAccessibleDescription(
        translatedText("explore::ExploreWindow",
                       "Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, "
                       "gli stessi numeri del grafico"));
    lesson_ = new LessonPanel(decimalSeparator_, calc::firstStepPastPi(*rows_).value_or(0), this);
    lesson_->setObjectName(QStringLiteral("lesson"));
}

void ExploreWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Once the first frame is painted (and put on screen right after this),
    // the slower parts follow, each at a turn of the event loop of its own:
    // the table's columns, then the chart's module.
    if (!firstFramePainted_) {
        firstFramePainted_ = true;
        QTimer::singleShot(0, this, [this] {
            runtime::host::dispatchEvent(*this, &ExploreWindow::showTable);
            QTimer::singleShot(0, this, [this] {
                runtime::host::dispatchEvent(*this, &ExploreWindow::loadChartNow);
            });
        });
    }
}

// Columns as wide as the widest of all 500 rows, measured once: sizing them
// to their contents at every step would format every cell again.
void ExploreWindow::showTable() {
    if (table_->updatesEnabled()) {
        return;
    }
    model_->setShownRows(calc::maximumSteps);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    model_->setShownRows(step());
    table_->scrollTo(model_->index(step() - 1, 0));
    table_->setUpdatesEnabled(true);
}

void ExploreWindow::loadChartNow() {
    loadChart();
}

bool ExploreWindow::loadChart() {
    if (chartPart_) {
        return true;
    }
    if (!chartError_.isEmpty()) {
        return false;
    }
    // Should making the part throw, nothing changes and a later call tries
    // again: the error goes to whoever asked, a message box for the buttons.
    LoadedChartPart loaded = loadChartPart({.parent = chartView_->parentWidget(),
                                            .rows = rows_.get(),
                                            .decimalSeparator = decimalSeparator_,
                                            .translator = &runtime::translated});
    if (!loaded.part) {
        chartError_ = loaded.error;
        // The lesson waits for the proven digits rather than show wrong ones.
        note_->setText(chartError_);
        return false;
    }
    chartPart_ = std::move(loaded.part);
    QWidget* view = chartPart_->view();
    view->setObjectName(QStringLiteral("chart"));
    view->setAccessibleName(translatedText("explore::ExploreWindow", "Grafico della convergenza"));
    view->setAccessibleDescription(translatedText(
        "explore::ExploreWindow",
        "Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, "
        "limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da "
        "Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate."));
    view->setMinimumSize(chartMinimumSize);
    view->setFocusPolicy(Qt::StrongFocus);
    delete chartLayout_->replaceWidget(chartView_, view);
    delete chartView_;
    chartView_ = view;
    // Made in a shown window: shown now, not at the layout's next turn (in
    // a hidden one it shows with the window).
    if (chartView_->parentWidget()->isVisible()) {
        chartView_->show();
    }
    setTabOrder(table_, chartView_);
    setTabOrder(chartView_, provenBox_);

    const std::vector<calc::DigitSeries> proven = chartPart_->provenSeries();
    model_->setProvenSeries(proven);
    if (provenBox_->isChecked()) {
        model_->setProvenShown(true);
        table_->resizeColumnsToContents();
    }
    lesson_->setProven(proven, calc::chartProvenDigits);
    applyPalette();
    chartPart_->setShownSteps(step());
    note_->setText(chartPart_->note());
    return true;
}

const pictures::ConvergenceChart& ExploreWindow::chart() {
    loadChart();
    return chartPart_->chart();
}

// The controls in a row above the drawing beside the table over the chart,
// and the tab order.
void ExploreWindow::layOut() {
    auto* controls = new QHBoxLayout;
    controls->addWidget(stepLabel_);
    controls->addWidget(stepBox_);
    controls->addWidget(stepSlider_, 1);
    controls->addWidget(saveDrawingButton_);
    controls->addWidget(saveChartButton_);
    controls->addWidget(saveTableButton_);

    auto* chartColumn = new QWidget(this);
    chartLayout_ = new QVBoxLayout(chartColumn);
    chartLayout_->setContentsMargins(0, 0, 0, 0);
    chartLayout_->addWidget(chartView_, 1);
    chartLayout_->addWidget(note_);
    chartLayout_->addWidget(provenBox_);
    tableChart_ = new QSplitter(Qt::Vertical, this);
    tableChart_->setObjectName(QStringLiteral("tableChartSplitter"));
    tableChart_->addWidget(table_);
    tableChart_->addWidget(chartColumn);
    tableChart_->setStretchFactor(1, 1);
    drawingLesson_ = new QSplitter(Qt::Vertical, this);
    drawingLesson_->setObjectName(QStringLiteral("drawingLessonSplitter"));
    drawingLesson_->addWidget(drawing_);
    drawingLesson_->addWidget(lesson_);
    drawingLesson_->setStretchFactor(0, 1);
    drawingLesson_->setStretchFactor(1, 1);
    views_ = new QSplitter(Qt::Horizontal, this);
    views_->setObjectName(QStringLiteral("viewsSplitter"));
    views_->addWidget(drawingLesson_);
    views_->addWidget(tableChart_);
    views_->setStretchFactor(0, 1);
    views_->setStretchFactor(1, 1);
    views_->setSizes({680, 600});

    auto* playRow = new QHBoxLayout;
    playRow->addWidget(play_);
    playRow->addWidget(bounds_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(playRow);
    layout->addWidget(views_, 1);

    setTabOrder(stepBox_, stepSlider_);
    setTabOrder(stepSlider_, saveDrawingButton_);
    setTabOrder(saveTableButton_, play_->firstInTabOrder());
    setTabOrder(play_->lastInTabOrder(), table_);
    setTabOrder(saveDrawingButton_, saveChartButton_);
    setTabOrder(saveChartButton_, saveTableButton_);
    setTabOrder(table_, chartView_);
    setTabOrder(chartView_, provenBox_);
    setTabOrder(provenBox_, lesson_);
    stepBox_->setFocus();
}

void ExploreWindow::createConnections() {
    connect(stepBox_, &QSpinBox::valueChanged, this, &ExploreWindow::stepChanged);
    connect(stepSlider_, &QSlider::valueChanged, this, &ExploreWindow::stepChanged);
    connect(play_, &PlayControls::stepRequested, this, &ExploreWindow::setStep);
    // Space plays and pauses wherever the focus is, but in a field that
    // takes text (the step's spin box), which keeps its keys, and on a
    // button or check box, which it presses as ever.
    auto* playPause = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(playPause, &QShortcut::activated, this, [this] {
        if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
            button->click();
            return;
        }
        play_->toggle();
    });
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this,
            [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    connect(provenBox_, &QCheckBox::toggled, this, [this](bool shown) {
        model_->setProvenShown(shown);
        table_->resizeColumnsToContents();
    });
    connect(saveDrawingButton_, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &ExploreWindow::saveDrawingClicked); });
    connect(saveChartButton_, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &ExploreWindow::saveChartClicked); });
    connect(saveTableButton_, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &ExploreWindow::saveTableClicked); });
}

void ExploreWindow::setStep(int step) {
    stepChanged(std::clamp(step, calc::minimumSteps, calc::maximumSteps));
}

int ExploreWindow::step() const {
    return stepBox_->value();
}

void ExploreWindow::stepChanged(int step) {
    {
        const QSignalBlocker boxBlocker(stepBox_);
        const QSignalBlocker sliderBlocker(stepSlider_);
        stepBox_->setValue(step);
        stepSlider_->setValue(step);
    }
    drawing_->setStep(step);
    lesson_->setStep(step);
    play_->setCurrentStep(step);
    announceStep(step);
    model_->setShownRows(step);
    // The step's row is the table's last: selected and scrolled into view,
    // wherever the table was scrolled before.
    const QModelIndex row = model_->index(step - 1, 0);
    table_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    table_->scrollTo(row);
    if (chartPart_) {
        chartPart_->setShownSteps(step);
        note_->setText(chartPart_->note());
    }
}

// What a screen reader says of a step, in reading order: the sides, then
// lower < pi < upper. Qt's labels offer no text over AT-SPI, so it is also
// the label's description, and each new one is announced.
void ExploreWindow::announceStep(int step) {
    const calc::StepRow& row = (*rows_)[static_cast<std::size_t>(step - 1)];
    const QString text =
        translatedText("explore::ExploreWindow", calc::stepBoundsPattern)
            .arg(step)
            .arg(QString::fromStdString(calc::drawnSidesText(step, decimalSeparator_)),
                 QString::fromStdString(calc::formatBound(row.lowerBound, decimalSeparator_)),
                 QString::fromStdString(calc::formatBound(row.upperBound, decimalSeparator_)));
    bounds_->setText(text);
    bounds_->setAccessibleDescription(text);
    stepSlider_->setAccessibleDescription(text);
    QAccessibleValueChangeEvent event(bounds_, text);
    QAccessible::updateAccessibility(&event);
}

void ExploreWindow::setLarge(bool large) {
    const double scale =
        screen() == nullptr ? 1.0 : screen()->geometry().height() / calc::roomScreenHeight;
    lesson_->setLarge(large, scale);
    drawing_->setLarge(large, scale);
    QFont shown = font();
    if (large) {
        shown.setPixelSize(std::max(QFontInfo(font()).pixelSize(),
                                    static_cast<int>(std::lround(scale * largeTypePixels))));
        shown.setBold(true);
    }
    bounds_->setFont(shown);
}

QString ExploreWindow::saveDrawing(const QString& path, QSize size) {
    return loadChart() ? chartPart_->writeDrawing(path, step(), size) : chartError_;
}

QString ExploreWindow::saveChart(const QString& path, QSize size) {
    return loadChart() ? chartPart_->writeChart(path, size) : chartError_;
}

QString ExploreWindow::saveTable(const QString& path) {
    if (!loadChart()) {
        return chartError_;
    }
    const std::span<const calc::StepRow> rows(rows_->data(), static_cast<std::size_t>(step()));
    const std::string contents = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                                     ? calc::csvText(rows)
                                     : calc::stepTableSpreadsheet(rows, decimalSeparator_);
    return chartPart_->writeFile(path, contents);
}

std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const QString& title,
                                        const QString& suggestedName) {
    auto dialog = std::make_unique<QFileDialog>(
        parent, title, QString(),
        translatedText("explore::ExploreWindow", "Immagini (*.svg *.png *.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension is saved as SVG, and the question
    // whether to replace an existing file is asked of that name: Qt's own
    // dialog adds the suffix before asking, a desktop's may add it after.
    dialog->setDefaultSuffix(QStringLiteral("svg"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->selectFile(suggestedName);
    return dialog;
}

std::unique_ptr<QFileDialog> saveTableDialog(QWidget* parent, const QString& suggestedName) {
    std::unique_ptr<QFileDialog> dialog = saveDialog(
        parent, translatedText("explore::ExploreWindow", "Salva la tabella"), suggestedName);
    const QString spreadsheet =
        translatedText("explore::ExploreWindow", "Foglio di calcolo") + QStringLiteral(" (*.ods)");
    const QString csv = QStringLiteral("CSV (*.csv)");
    dialog->setNameFilters({spreadsheet, csv});
    dialog->setDefaultSuffix(QStringLiteral("ods"));
    QFileDialog* const shown = dialog.get();
    QObject::connect(
        shown, &QFileDialog::filterSelected, shown, [shown, csv](const QString& filter) {
            shown->setDefaultSuffix(filter == csv ? QStringLiteral("csv") : QStringLiteral("ods"));
        });
    return dialog;
}

QString ExploreWindow::askSavePath(std::unique_ptr<QFileDialog> dialog) {
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return dialog->selectedFiles().constFirst();
}

void ExploreWindow::saveDrawingClicked() {
    const QString path = askSavePath(
        saveDialog(this, translatedText("explore::ExploreWindow", "Salva il disegno"),
                   translatedText("explore::ExploreWindow", calc::drawingFilePattern).arg(step())));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = saveDrawing(path); !error.isEmpty()) {
        runtime::host::messageBox(this, error);
    }
}

void ExploreWindow::saveChartClicked() {
    const QString path = askSavePath(
        saveDialog(this, translatedText("explore::ExploreWindow", "Salva il grafico"),
                   translatedText("explore::ExploreWindow", calc::chartFilePattern).arg(step())));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = saveChart(path); !error.isEmpty()) {
        runtime::host::messageBox(this, error);
    }
}

// Named as the page names its downloads of the table.
void ExploreWindow::saveTableClicked() {
    const QString path =
        askSavePath(saveTableDialog(this, QStringLiteral("lavoro1-%1.ods").arg(step())));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = saveTable(path); !error.isEmpty()) {
        runtime::host::messageBox(this, error);
    }
}

void ExploreWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        applyPalette();
    }
    if (event->type() == QEvent::WindowStateChange) {
        setLarge(isFullScreen());
    }
    QWidget::changeEvent(event);
}

void ExploreWindow::closeEvent(QCloseEvent* event) {
    rememberLayout();
    QWidget::closeEvent(event);
}

std::optional<int> ExploreWindow::restoreLayout() {
    const QVariantMap remembered = settings_->read(settingsGroup);
    // restoreState and restoreGeometry refuse what they cannot read, leaving
    // the window as it was built.
    views_->restoreState(remembered.value(viewsKey).toByteArray());
    tableChart_->restoreState(remembered.value(tableChartKey).toByteArray());
    drawingLesson_->restoreState(remembered.value(drawingLessonKey).toByteArray());
    restorePlay(remembered);
    if (restoreGeometry(remembered.value(geometryKey).toByteArray())) {
        // A geometry remembered on another screen, or before the panels
        // changed, may no longer fit the work area; one smaller than the
        // window's least grows to it first, or would grow past the screen.
        if (!isMaximized() && !isFullScreen()) {
            const QSize least = minimumSizeHint().expandedTo(minimumSize());
            const QRect wanted(geometry().topLeft(), geometry().size().expandedTo(least));
            setGeometry(fitToScreen(wanted, workAreaAt(wanted.center()), least));
        }
    } else {
        setGeometry(openingGeometry(workAreaAt(QCursor::pos())));
    }
    bool read = false;
    const int step = remembered.value(stepKey).toInt(&read);
    if (!read || step < calc::minimumSteps || step > calc::maximumSteps) {
        return std::nullopt;
    }
    return step;
}

// The speed and the reduced-motion choice, each only when it is one the
// controls offer: anything else leaves the control as it was built.
void ExploreWindow::restorePlay(const QVariantMap& remembered) {
    bool read = false;
    if (const int speed = remembered.value(speedKey).toInt(&read); read) {
        play_->chooseSpeed(speed);
    }
    const QString reduced = remembered.value(reducedMotionKey).toString();
    if (reduced == QLatin1String("true") || reduced == QLatin1String("false")) {
        play_->setReducedMotion(reduced == QLatin1String("true"));
    }
}

void ExploreWindow::rememberLayout() {
    settings_->remember(settingsGroup, {{geometryKey, saveGeometry()},
                                        {viewsKey, views_->saveState()},
                                        {tableChartKey, tableChart_->saveState()},
                                        {drawingLessonKey, drawingLesson_->saveState()},
                                        {stepKey, step()},
                                        {speedKey, play_->chosenSpeed()},
                                        {reducedMotionKey, play_->reducedMotion()}});
}

void ExploreWindow::applyPalette() {
    if (chartPart_) {
        chartPart_->setDark(isDark(palette()));
    }
}

} // namespace explore
