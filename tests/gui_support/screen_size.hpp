#pragma once

// The offscreen platform's screen at another size while it lives, as a
// display of that size would be, through the platform's own configuration
// (Qt's private API, as Qt's own tests use it); the size before comes back
// when it goes.

#include <QJsonObject>
#include <QSize>

namespace testing_support {

class ScreenSize {
public:
    explicit ScreenSize(QSize size);
    ScreenSize(const ScreenSize&) = delete;
    ScreenSize& operator=(const ScreenSize&) = delete;
    ~ScreenSize();

private:
    QJsonObject before_;
};

} // namespace testing_support
