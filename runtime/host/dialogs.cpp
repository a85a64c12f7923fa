#include "runtime/host/dialogs.hpp"

#include "runtime/errors.hpp"

#include <QCoreApplication>
#include <QMessageBox>

#include <new>

namespace runtime::host {

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
    return QString::fromStdString(runtime::errorReport(number, description));
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
