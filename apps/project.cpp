#include "apps/project.hpp"

#include "apps/command_line.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/host/translation.hpp"

namespace apps {

runtime::host::ProjectDescription lavoro1Project() {
    const QString title = QString::fromLatin1(lavoro1::applicationName);
    const QString version = QString::fromLatin1(lavoro1::applicationVersion);
    const QString id = QString::fromLatin1(lavoro1::applicationId);
    return {
        .title = title,
        .version = version,
        .applicationId = id,
        .iconFiles = {QStringLiteral(":/icons/scalable/%1.svg").arg(id),
                      QStringLiteral(":/icons/16x16/%1.png").arg(id),
                      QStringLiteral(":/icons/32x32/%1.png").arg(id)},
        .commandLine = withExploreOption({
            .executableName = QStringLiteral("lavoro1"),
            .versionLine = title + QLatin1Char(' ') + version,
            .summary = runtime::host::translatedText(
                "apps::CommandLine",
                "Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo."),
            .options = {},
            .positionalName = {},
            .positionalDescription = {},
        }),
        .createStartupForm = {},
    };
}

} // namespace apps
