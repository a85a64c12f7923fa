#include "tests/gui_support/screen_size.hpp"

#include <QGuiApplication>
#include <QJsonArray>
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

void configure(const QJsonObject& configuration) {
    if (const auto set = platformFunction<SetConfiguration>("setConfiguration")) {
        set(configuration, QGuiApplication::platformNativeInterface());
    }
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
