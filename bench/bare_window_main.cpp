// startup-bare-window: the bare window of bench/bare_window.hpp and nothing
// else, on Qt Widgets alone; startup_benchmarks times lavoro1 against it.

#include "bench/bare_window.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::unique_ptr<QWidget> window = bench::bareWindow();
    window->show();
    return QApplication::exec();
}
