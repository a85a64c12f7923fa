#pragma once

// Watches for modal boxes while a GUI test runs. A box the test announced with
// expectMessageBox() is recorded and answered with its OK button; any other box
// fails the test and is closed, so that a test never waits on a box forever.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

namespace testing_support {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okButton = false;
    bool modal = false;
};

class ModalWatchdog : public QObject {
public:
    ModalWatchdog();

    // The next modal box is expected: it will be answered with OK.
    void expectMessageBox() { ++expected_; }

    // The boxes answered so far, in order.
    const std::vector<ShownBox>& answered() const { return answered_; }

    // True when every announced box has appeared.
    bool allExpectedShown() const { return expected_ == 0; }

private:
    void poll();

    QTimer timer_;
    int expected_ = 0;
    std::vector<ShownBox> answered_;
};

} // namespace testing_support
