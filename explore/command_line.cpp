#include "explore/command_line.hpp"

#include "form/compute_command.hpp"
#include "runtime/errors.hpp"

namespace explore {
namespace {

const QString exploreOption = QStringLiteral("esplora");

// Why PASSI is refused, or an empty string when it names a step.
QString refusalOf(const QString& passi) {
    try {
        const form::StepCount read = form::readStepCount(passi.toStdString());
        return QString::fromUtf8(read.warning.data(), static_cast<qsizetype>(read.warning.size()));
    } catch (const runtime::RuntimeError& error) {
        return QString::fromStdString(error.what());
    }
}

QString checkArguments(const QCommandLineParser& arguments) {
    const QStringList positional = arguments.positionalArguments();
    if (positional.isEmpty()) {
        return {};
    }
    if (!arguments.isSet(exploreOption)) {
        return QStringLiteral("argomento inatteso '%1'").arg(positional.front());
    }
    return refusalOf(positional.front());
}

} // namespace

std::optional<int> requestedStep(const QCommandLineParser& arguments) {
    if (!arguments.isSet(exploreOption)) {
        return std::nullopt;
    }
    const QStringList positional = arguments.positionalArguments();
    if (positional.isEmpty() || !refusalOf(positional.front()).isEmpty()) {
        return defaultStep;
    }
    return form::readStepCount(positional.front().toStdString()).count;
}

runtime::host::CommandLineSyntax withExploreOption(runtime::host::CommandLineSyntax syntax) {
    syntax.options.append(QCommandLineOption(
        exploreOption, QStringLiteral("Apre Esplora: poligoni, tabella dei passi e convergenza.")));
    syntax.positionalName = QStringLiteral("PASSI");
    syntax.positionalDescription =
        QStringLiteral("Con --esplora, il passo da 1 a 500 a cui si apre (predefinito %1),\n"
                       "letto come nella finestra: il punto separa i decimali e si\n"
                       "arrotonda al pari (4.5 vale 4).")
            .arg(defaultStep);
    syntax.checkArguments = checkArguments;
    return syntax;
}

} // namespace explore
