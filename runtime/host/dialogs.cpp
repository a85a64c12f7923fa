#include "runtime/host/dialogs.hpp"

#include "runtime/errors.hpp"
#include "runtime/host/translation.hpp"

#include <QCoreApplication>
#include <QMessageBox>

#include <new>

namespace runtime::host {

namespace {

// Failures that are not run-time errors of the calculation, numbered as the
// run-time errors are.
constexpr int outOfMemoryNumber = 7;
constexpr const char* outOfMemoryDescription = QT_TRANSLATE_NOOP("runtime", "Memoria esaurita");
constexpr int internalErrorNumber = 51;
constexpr const char* internalErrorDescription = QT_TRANSLATE_NOOP("runtime", "Errore interno");

} // namespace

void messageBox(QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(prompt);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString runtimeErrorText(int number, std::string_view description) {
    return QCoreApplication::translate("runtime::host::messageBox",
                                       "Errore di run-time '%1':\n\n%2")
        .arg(number)
        .arg(translateCoreText("runtime", description));
}

void reportCurrentException(QWidget* parent) noexcept {
    QString text;
    try {
        throw;
    } catch (const RuntimeError& error) {
        text = runtimeErrorText(error.code(), error.description());
    } catch (const std::bad_alloc&) {
        text = runtimeErrorText(outOfMemoryNumber, outOfMemoryDescription);
    } catch (...) {
        text = runtimeErrorText(internalErrorNumber, internalErrorDescription);
    }
    messageBox(parent, text);
}

} // namespace runtime::host
