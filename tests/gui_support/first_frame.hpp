#pragma once

// Waiting for a started program's window to be on screen, instead of waiting
// a fixed time: with the environment below, Qt logs every frame a window
// flushes, and the first one means the window is shown and its event loop runs.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

namespace testing_support {

// environment with Qt's widget-painting log on standard error, in a known form.
QProcessEnvironment withFrameLog(QProcessEnvironment environment);

// Reads process's standard error into standardError until the first frame is
// logged: false when the process ends first or timeoutMs passes.
bool waitForFirstFrame(QProcess& process, QByteArray& standardError, int timeoutMs = 10000);

// Starts program with arguments in environment (the frame log added), waits
// for its first frame and kills it: an empty string when its window was shown
// and it was still running then, or else what went wrong.
std::string windowShownAndKeptOpen(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment);

} // namespace testing_support
