#include "explore/chart_part.hpp"

#include "runtime/helper_program.hpp"

#include <QCoreApplication>
#include <QLibrary>

namespace explore {
namespace {

QString& chosenModulePath() {
    static QString path;
    return path;
}

} // namespace

void setChartModulePath(const QString& path) {
    chosenModulePath() = path;
}

QString chartModulePath() {
    if (!chosenModulePath().isEmpty()) {
        return chosenModulePath();
    }
    return QString::fromStdString(runtime::helperProgram(chartModuleName).lexically_normal());
}

LoadedChartPart loadChartPart(const ChartPartInputs& inputs) {
    // Never unloaded: the part's code and the Qt Charts objects it made stay
    // in use until the program ends.
    QLibrary module(chartModulePath());
    const auto make = reinterpret_cast<MakeChartPart>(module.resolve(makeChartPartName));
    if (make == nullptr) {
        return {nullptr,
                QCoreApplication::translate("explore::ChartPart", "Grafico non disponibile: %1")
                    .arg(module.errorString())};
    }
    return {std::unique_ptr<ChartPart>(make(inputs)), {}};
}

} // namespace explore
