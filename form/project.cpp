#include "form/project.hpp"

#include "form/form1.hpp"

namespace form {

runtime::host::ProjectDescription projectDescription(calc::Module1& module) {
    const QString id = QString::fromLatin1(applicationId);
    return {
        .title = QString::fromLatin1(applicationTitle),
        .version = QString::fromLatin1(applicationVersion),
        .applicationId = id,
        .iconFiles = {QStringLiteral(":/icons/16x16/%1.png").arg(id),
                      QStringLiteral(":/icons/32x32/%1.png").arg(id)},
        .createStartupForm = [&module](const QLocale& userLocale) -> std::unique_ptr<QWidget> {
            return std::make_unique<Form1>(module, userLocale);
        },
    };
}

} // namespace form
