#include "tests/gui_support/first_frame.hpp"

#include <QDeadlineTimer>

namespace testing_support {

namespace {

// QWidgetRepaintManager's line for a frame put on screen.
constexpr char frameFlushed[] = "qt.widgets.painting: Flushing";

} // namespace

QProcessEnvironment withFrameLog(QProcessEnvironment environment) {
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.widgets.painting=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"),
                       QStringLiteral("%{category}: %{message}"));
    // Standard error even where Qt would otherwise log to the journal.
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    return environment;
}

bool waitForFirstFrame(QProcess& process, QByteArray& standardError, int timeoutMs) {
    process.setReadChannel(QProcess::StandardError);
    const QDeadlineTimer deadline(timeoutMs);
    while (!standardError.contains(frameFlushed)) {
        const bool more = process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        standardError += process.readAllStandardError();
        if (!more && !standardError.contains(frameFlushed)) {
            return false;
        }
    }
    return true;
}

std::string windowShownAndKeptOpen(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(withFrameLog(environment));
    process.start(program, arguments);
    QByteArray standardError;
    std::string failure;
    if (!waitForFirstFrame(process, standardError)) {
        failure = "no window shown: " + standardError.toStdString();
    } else if (process.state() != QProcess::Running) {
        failure = "ended on its own";
    }
    process.kill();
    process.waitForFinished(10000);
    return failure;
}

} // namespace testing_support
