#include "archimede/pictures.hpp"

#include "archimede/table.hpp"
#include "explore/convergence_chart.hpp"
#include "explore/pictures.hpp"
#include "explore/polygon_scene.hpp"

#include <QApplication>

#include <cstdio>

namespace archimede {
namespace {

// Qt's notes about the offscreen platform (no runtime directory, no window
// manager) are not archimede's to report: its standard error carries only
// its own messages.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

} // namespace

std::string writePicturesOffscreen(const std::vector<PictureRequest>& requests) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(dropQtNotes);
    static char programName[] = "archimede";
    static char* arguments[] = {programName, nullptr};
    int argumentCount = 1;
    QApplication application(argumentCount, arguments);

    std::string error;
    for (const PictureRequest& request : requests) {
        const QString path = QString::fromStdString(request.path);
        const QSize size(request.width, request.height);
        QString failed;
        if (request.kind == PictureRequest::Kind::Drawing) {
            failed = explore::writeDrawing(path, request.step, size, request.decimalSeparator);
        } else {
            // The same chart as the window's: all 500 rows, steps 1 to step shown.
            const std::vector<StepRow> rows = stepRows(explore::maximumStep);
            const std::unique_ptr<explore::ConvergenceChart> chart =
                explore::makeConvergenceChart(rows);
            chart->setShownSteps(request.step);
            failed = explore::writeChart(path, *chart, size);
        }
        if (!failed.isEmpty()) {
            error = failed.toStdString();
            break;
        }
    }
    qInstallMessageHandler(previous);
    return error;
}

} // namespace archimede
