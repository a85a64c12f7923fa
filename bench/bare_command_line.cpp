// startup-bare-command-line TEXT: writes TEXT to standard output through Qt
// Core and nothing else; startup_benchmarks times archimede against it, with
// TEXT what archimede printed.

#include <QString>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: startup-bare-command-line TESTO\n", stderr);
        return 2;
    }
    QTextStream output(stdout);
    output << QString::fromLocal8Bit(argv[1]);
    output.flush();
    return output.status() == QTextStream::Ok ? 0 : 1;
}
