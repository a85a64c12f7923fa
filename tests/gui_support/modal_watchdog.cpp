#include "tests/gui_support/modal_watchdog.hpp"

#include <QAbstractButton>
#include <QApplication>

#include <gtest/gtest.h>

namespace testing_support {

namespace {

constexpr int pollIntervalMs = 10;

} // namespace

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(pollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::poll);
    timer_.start();
}

void ModalWatchdog::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (expected_ == 0 || box == nullptr) {
        ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString()
                      << "\": "
                      << (box != nullptr ? box->text().toStdString()
                                         : modal->metaObject()->className());
        modal->close();
        return;
    }
    --expected_;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    answered_.push_back({box->windowTitle(), box->text(), box->icon(),
                         static_cast<int>(box->buttons().size()), ok != nullptr, box->isModal()});
    if (ok != nullptr) {
        ok->click();
    } else {
        box->close();
    }
}

} // namespace testing_support
