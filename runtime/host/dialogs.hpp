#pragma once

// The modal boxes the host shows, and the dispatch of an event to its handler,
// which is the one place an error raised by a handler becomes a message.

#include <QString>
#include <QWidget>

#include <string_view>

namespace runtime::host {

// A modal box over parent with prompt as its text, one OK button and no icon,
// titled title, or the application title when title is empty. Returns when
// the user dismisses it.
void messageBox(QWidget* parent, const QString& prompt, const QString& title = {});

// The report of a run-time error: "Errore di run-time '<number>':", a blank
// line and the description, which is a text of the core marked with
// LAVORO1_TRANSLATABLE in context "runtime", in the user's language.
QString runtimeErrorText(int number, std::string_view description);

// Reports the exception currently being handled in a message box. A
// runtime::RuntimeError shows its own number; running out of memory shows 7,
// anything else 51 (internal error).
void reportCurrentException(QWidget* parent) noexcept;

// Runs (form.*handler)() for an event of form. An error that escapes the
// handler is reported in a message box and the application goes on: no
// exception ever reaches Qt's event loop.
template <class Form> void dispatchEvent(Form& form, void (Form::*handler)()) noexcept {
    try {
        (form.*handler)();
    } catch (...) {
        reportCurrentException(&form);
    }
}

} // namespace runtime::host
