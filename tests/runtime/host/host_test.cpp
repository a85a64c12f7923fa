#include "runtime/errors.hpp"
#include "runtime/host/application.hpp"
#include "runtime/host/dialogs.hpp"
#include "tests/gui_support/modal_watchdog.hpp"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <utility>

namespace {

using runtime::host::displayAvailable;

struct DisplayCase {
    const char* platform;
    const char* display;
    const char* wayland;
    bool waylandSocket;
    bool available;
};

TEST(DisplayAvailable, OnlyWindowingPlatformsNeedADisplay) {
    const DisplayCase cases[] = {
        {"", "", "", false, false},         {"", ":0", "", false, true},
        {"", "", "wayland-0", false, true}, {"", "", "", true, true},
        {"xcb", "", "", false, false},      {"xcb", ":1", "", false, true},
        {"wayland", "", "", false, false},  {"wayland", "", "w-1", false, true},
        {"wayland", "", "", true, true},    {"wayland-egl", "", "", false, false},
        {"offscreen", "", "", false, true}, {"vnc", "", "", false, true},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(std::string("platform=") + c.platform + " DISPLAY=" + c.display +
                     " WAYLAND_DISPLAY=" + c.wayland + " socket=" + (c.waylandSocket ? "1" : "0"));
        EXPECT_EQ(displayAvailable({c.platform, c.display, c.wayland, c.waylandSocket}),
                  c.available);
    }
}

// A window whose one event handler runs whatever the test gives it.
struct ThrowingForm : QWidget {
    std::function<void()> action;
    void Click() { action(); }
};

class HostDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        previousName_ = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Lavoro1"));
    }
    void TearDown() override { QCoreApplication::setApplicationName(previousName_); }

    // Dispatches a click that runs action; returns the text of the box shown.
    QString reportOf(std::function<void()> action) {
        ThrowingForm form;
        form.action = std::move(action);
        const std::size_t shownBefore = watchdog.answered().size();
        watchdog.expectMessageBox();
        runtime::host::dispatchEvent(form, &ThrowingForm::Click);
        if (watchdog.answered().size() != shownBefore + 1) {
            ADD_FAILURE() << "no message box shown";
            return {};
        }
        const testing_support::ShownBox& box = watchdog.answered().back();
        EXPECT_EQ(box.title, "Lavoro1");
        EXPECT_EQ(box.buttonCount, 1);
        EXPECT_TRUE(box.okButton);
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_TRUE(box.modal);
        return box.text;
    }

    testing_support::ModalWatchdog watchdog;

private:
    QString previousName_;
};

TEST_F(HostDialogs, ReportsAnEscapingErrorWithItsNumberAndDescription) {
    using runtime::ErrorNumber;
    using runtime::RuntimeError;
    const struct {
        const char* name;
        std::function<void()> action;
        const char* report;
    } cases[] = {
        {"overflow", [] { throw RuntimeError(ErrorNumber::Overflow); },
         "Errore di run-time '6':\n\nOverflow"},
        {"division by zero", [] { throw RuntimeError(ErrorNumber::DivisionByZero); },
         "Errore di run-time '11':\n\nDivisione per zero"},
        {"out of memory", [] { throw std::bad_alloc(); },
         "Errore di run-time '7':\n\nMemoria esaurita"},
        {"anything else", [] { throw 42; }, "Errore di run-time '51':\n\nErrore interno"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reportOf(c.action), c.report);
    }
}

} // namespace
