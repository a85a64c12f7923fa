#include "tests/gui_support/screen_size.hpp"

#include <QGuiApplication>
#include <QJsonArray>
#include <QScreen>
#include <QTest>
#include <QtGui/qpa/qplatformnativeinterface.h>

#include <gtest/gtest.h>

namespace testing_support {
namespace {

// The offscreen platform's configuration, whose first screen is the one the
// tests use, and the functions its native interface hands out to read and
// set it.
using GetConfiguration = QJsonObject (*)(QPlatformNativeInterface*);
using SetConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);

template <class Function> Function platformFunction(const char* name) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* found = reinterpret_cast<Function>(native->nativeResourceForIntegration(name));
    EXPECT_NE(found, nullptr) << name << ": not on the offscreen platform";
    return found;
}

// Sets configuration, then waits for the screen to take it: the platform
// tells the application through its queue of events.
void configure(const QJsonObject& configuration) {
    if (const auto set = platformFunction<SetConfiguration>("setConfiguration")) {
        set(configuration, QGuiApplication::platformNativeInterface());
    }
    const QJsonObject screen = configuration[QStringLiteral("screens")][0].toObject();
    const QSize size(screen[QStringLiteral("width")].toInt(),
                     screen[QStringLiteral("height")].toInt());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QGuiApplication::primaryScreen()->geometry().size() == size; }));
}

} // namespace

ScreenSize::ScreenSize(QSize size) {
    if (const auto get = platformFunction<GetConfiguration>("configuration")) {
        before_ = get(QGuiApplication::platformNativeInterface());
    }
    if (before_.isEmpty()) {
        return;
    }
    QJsonArray screens = before_[QStringLiteral("screens")].toArray();
    QJsonObject screen = screens.first().toObject();
    screen[QStringLiteral("width")] = size.width();
    screen[QStringLiteral("height")] = size.height();
    screens[0] = screen;
    QJsonObject changed = before_;
    changed[QStringLiteral("screens")] = screens;
    configure(changed);
}

ScreenSize::~ScreenSize() {
    if (!before_.isEmpty()) {
        configure(before_);
    }
}

} // namespace testing_support
