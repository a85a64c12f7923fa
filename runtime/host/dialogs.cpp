#include "runtime/host/dialogs.hpp"

#include "runtime/errors.hpp"

#include <QCoreApplication>
#include <QMessageBox>

#include <new>

namespace runtime::host {

namespace {

// Failures that are not run-time errors of the calculation, numbered as the
// run-time errors are.
constexpr int outOfMemoryNumber = 7;
constexpr std::string_view outOfMemoryDescription = "Memoria esaurita";
constexpr int internalErrorNumber = 51;
constexpr std::string_view internalErrorDescription = "Errore interno";

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
    return QStringLiteral("Errore di run-time '%1':\n\n%2")
        .arg(number)
        .arg(QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())));
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
