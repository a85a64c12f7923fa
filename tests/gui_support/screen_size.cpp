#include "tests/gui_support/screen_size.hpp"

#include <QGuiApplication>
#include <QJsonArray>
#include <QScreen>
#include <QTest>
#include <QtGui/qpa/qplatformnativeinterface.h>

#include <gtest/gtest.h>

namespace testing_support {
namespace {

// The offscreen platform's functions, as its native interface hands them out.
using GetConfiguration = QJsonObject (*)(QPlatformNativeInterface*);
using SetConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);

template <class Function> Function platformFunction(const char* name) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    void* found = native == nullptr ? nullptr : native->nativeResourceForIntegration(name);
    EXPECT_NE(found, nullptr) << name << ": not on the offscreen platform";
    return reinterpret_cast<Function>(found);
}

// Sets configuration, then waits for the screen to have its size: the
// platform tells the application through its queue of events.
void configure(const QJsonObject& configuration) {
    const auto set = platformFunction<SetConfiguration>("setConfiguration");
    if (set == nullptr) {
        return;
    }
    set(configuration, QGuiApplication::platformNativeInterface());
    const QJsonObject screen =
        configuration.value(QStringLiteral("screens")).toArray().first().toObject();
    const QSize size(screen.value(QStringLiteral("width")).toInt(),
                     screen.value(QStringLiteral("height")).toInt());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QGuiApplication::primaryScreen()->geometry().size() == size; }));
}

} // namespace

ScreenSize::ScreenSize(QSize size) {
    const auto get = platformFunction<GetConfiguration>("configuration");
    if (get == nullptr) {
        return;
    }
    before_ = get(QGuiApplication::platformNativeInterface());
    QJsonArray screens = before_.value(QStringLiteral("screens")).toArray();
    QJsonObject screen = screens.first().toObject();
    screen.insert(QStringLiteral("width"), size.width());
    screen.insert(QStringLiteral("height"), size.height());
    screens.replace(0, screen);
    QJsonObject changed = before_;
    changed.insert(QStringLiteral("screens"), screens);
    configure(changed);
}

ScreenSize::~ScreenSize() {
    if (!before_.isEmpty()) {
        configure(before_);
    }
}

} // namespace testing_support
