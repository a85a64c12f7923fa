#include "explore/explore_window.hpp"

#include "explore/step_table_model.hpp"
#include "lavoro1/project_info.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/pictures.hpp"
#include "pictures/polygon_scene.hpp"
#include "runtime/host/dialogs.hpp"
#include "runtime/host/locale.hpp"
#include "runtime/host/settings_file.hpp"
#include "runtime/host/translation.hpp"

#include <QAccessible>
#include <QChartView>
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
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace explore {
namespace {

// Esplora's part of the application's settings: the group [Esplora] of
// ~/.config/Lavoro1/Lavoro1.conf.
const QString settingsGroup = QStringLiteral("Esplora");
const QString geometryKey = QStringLiteral("geometry");
const QString viewsKey = QStringLiteral("viewsSplitter");
const QString tableChartKey = QStringLiteral("tableChartSplitter");
const QString stepKey = QStringLiteral("step");

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
    setAccessibleName(tr("Disegno dei poligoni"));
    setMinimumSize(360, 260);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PolygonView::setStep(int step) {
    step_ = step;
    const pictures::PolygonScene scene =
        pictures::makeScene(step_, QSizeF(size()), decimalSeparator_);
    setAccessibleDescription(scene.title + QLatin1Char(' ') + scene.insetCaption[0] +
                             QLatin1Char(' ') + scene.insetCaption[1]);
    update();
}

void PolygonView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    pictures::paintScene(painter, pictures::makeScene(step_, QSizeF(size()), decimalSeparator_),
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
    setWindowTitle(tr("Esplora poligoni e convergenza"));
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
    stepLabel_ = new QLabel(tr("&Passo:"), this);
    stepBox_ = new QSpinBox(this);
    stepBox_->setObjectName(QStringLiteral("stepBox"));
    stepBox_->setRange(calc::minimumSteps, calc::maximumSteps);
    stepBox_->setAccessibleName(tr("Passo"));
    stepBox_->setAccessibleDescription(
        tr("Passo %1, contato come nella tabella: al passo 1 gli esagoni, "
           "a ogni passo il doppio dei lati")
            .arg(runtime::host::translateCoreText("calc", calc::stepRangePattern)
                     .arg(calc::minimumSteps)
                     .arg(calc::maximumSteps)));
    stepLabel_->setBuddy(stepBox_);
    stepSlider_ = new QSlider(Qt::Horizontal, this);
    stepSlider_->setObjectName(QStringLiteral("stepSlider"));
    stepSlider_->setRange(calc::minimumSteps, calc::maximumSteps);
    stepSlider_->setPageStep(10);
    stepSlider_->setAccessibleName(tr("Passo, cursore"));
    saveDrawingButton_ = new QPushButton(tr("Salva &disegno..."), this);
    saveDrawingButton_->setObjectName(QStringLiteral("saveDrawing"));
    saveDrawingButton_->setAccessibleName(tr("Salva il disegno"));
    saveChartButton_ = new QPushButton(tr("Salva &grafico..."), this);
    saveChartButton_->setObjectName(QStringLiteral("saveChart"));
    saveChartButton_->setAccessibleName(tr("Salva il grafico"));
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
    // Columns as wide as the widest of all 500 rows, measured once: sizing
    // them to their contents at every step would format every cell again.
    model_->setShownRows(calc::maximumSteps);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(tr("Tabella dei passi"));
    table_->setAccessibleDescription(
        tr("Passo, lati, limite inferiore, limite superiore e differenza; "
           "Ctrl+C copia le righe scelte"));

    chart_ = pictures::makeConvergenceChart(*rows_).release();
    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(QStringLiteral("chart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setAccessibleName(tr("Grafico della convergenza"));
    chartView_->setMinimumSize(360, 260);
    chartView_->setFocusPolicy(Qt::NoFocus);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
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

    auto* chartColumn = new QWidget(this);
    auto* chartLayout = new QVBoxLayout(chartColumn);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chartView_, 1);
    chartLayout->addWidget(note_);
    tableChart_ = new QSplitter(Qt::Vertical, this);
    tableChart_->setObjectName(QStringLiteral("tableChartSplitter"));
    tableChart_->addWidget(table_);
    tableChart_->addWidget(chartColumn);
    tableChart_->setStretchFactor(1, 1);
    views_ = new QSplitter(Qt::Horizontal, this);
    views_->setObjectName(QStringLiteral("viewsSplitter"));
    views_->addWidget(drawing_);
    views_->addWidget(tableChart_);
    views_->setStretchFactor(0, 1);
    views_->setStretchFactor(1, 1);
    views_->setSizes({680, 600});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(views_, 1);

    setTabOrder(stepBox_, stepSlider_);
    setTabOrder(stepSlider_, saveDrawingButton_);
    setTabOrder(saveDrawingButton_, saveChartButton_);
    setTabOrder(saveChartButton_, table_);
    stepBox_->setFocus();
}

void ExploreWindow::createConnections() {
    connect(stepBox_, &QSpinBox::valueChanged, this, &ExploreWindow::stepChanged);
    connect(stepSlider_, &QSlider::valueChanged, this, &ExploreWindow::stepChanged);
    connect(saveDrawingButton_, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &ExploreWindow::saveDrawingClicked); });
    connect(saveChartButton_, &QPushButton::clicked, this,
            [this] { runtime::host::dispatchEvent(*this, &ExploreWindow::saveChartClicked); });
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
    model_->setShownRows(step);
    // The step's row is the table's last: selected and scrolled into view,
    // wherever the table was scrolled before.
    const QModelIndex row = model_->index(step - 1, 0);
    table_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    table_->scrollTo(row);
    chart_->setShownSteps(step);
    note_->setText(chart_->note());
    stepSlider_->setAccessibleDescription(tr("Passo %1").arg(step));
}

QString ExploreWindow::saveDrawing(const QString& path, QSize size) const {
    return pictures::writeDrawing(path, step(), size, decimalSeparator_);
}

QString ExploreWindow::saveChart(const QString& path, QSize size) const {
    return pictures::writeChart(path, *chart_, size);
}

std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const QString& title,
                                        const QString& suggestedName) {
    auto dialog = std::make_unique<QFileDialog>(parent, title, QString(),
                                                ExploreWindow::tr("Immagini (*.svg *.png *.pdf)"));
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

QString ExploreWindow::askSavePath(const QString& title, const QString& suggestedName) {
    const std::unique_ptr<QFileDialog> dialog = saveDialog(this, title, suggestedName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return dialog->selectedFiles().constFirst();
}

void ExploreWindow::saveDrawingClicked() {
    const QString path =
        askSavePath(tr("Salva il disegno"), tr("poligoni-passo-%1.svg").arg(step()));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = saveDrawing(path); !error.isEmpty()) {
        runtime::host::messageBox(this, error);
    }
}

void ExploreWindow::saveChartClicked() {
    const QString path =
        askSavePath(tr("Salva il grafico"), tr("convergenza-%1-passi.svg").arg(step()));
    if (path.isEmpty()) {
        return;
    }
    if (const QString error = saveChart(path); !error.isEmpty()) {
        runtime::host::messageBox(this, error);
    }
}

void ExploreWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        applyPalette();
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

void ExploreWindow::rememberLayout() {
    settings_->remember(settingsGroup, {{geometryKey, saveGeometry()},
                                        {viewsKey, views_->saveState()},
                                        {tableChartKey, tableChart_->saveState()},
                                        {stepKey, step()}});
}

void ExploreWindow::applyPalette() {
    chart_->setDark(isDark(palette()));
}

} // namespace explore
