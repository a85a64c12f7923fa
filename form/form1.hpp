#pragma once

// Form1: the application's one window. The user types a number of steps in
// Text1 and presses Command1; the number of sides and the two bounds of pi
// appear in Label7, Label2 and Label6.

#include "calc/module1.hpp"

#include <QLocale>
#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace form {

class Form1 : public QWidget {
    Q_OBJECT

public:
    // module is the state the compute command works on and must outlive the
    // window; locale gives the decimal separator of the results.
    Form1(calc::Module1& module, const QLocale& locale, QWidget* parent = nullptr);

    // The compute command, run on every click of Command1.
    void Command1_Click();

private:
    void createControls();
    void createConnections();
    static void showResult(QLabel* label, const std::string& text);

    calc::Module1& module_;
    std::string decimalSeparator_;

    // In creation order; owned by the window.
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr; // result: number of sides
    QLabel* Label6 = nullptr; // result: upper bound
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr; // result: lower bound
    QLabel* Label1 = nullptr;
};

} // namespace form
