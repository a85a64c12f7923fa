#pragma once

// Waiting for a started program's window to be on screen, instead of waiting
// a fixed time: with the environment below, Qt logs every frame a window
// flushes, and the first one means the window is shown and its event loop runs.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>

namespace testing_support {

// environment with Qt's widget-painting log on standard error, in a known form.
QProcessEnvironment withFrameLog(QProcessEnvironment environment);

// Reads process's standard error into standardError until the first frame is
// logged: false when the process ends first or timeoutMs passes.
bool waitForFirstFrame(QProcess& process, QByteArray& standardError, int timeoutMs = 10000);

} // namespace testing_support
