#include "bench/bare_window.hpp"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

namespace bench {

std::unique_ptr<QWidget> bareWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(999, 227);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    window->setFont(font);
    const auto add = [](QWidget* control, QRect geometry) { control->setGeometry(geometry); };
    add(new QLineEdit(QStringLiteral("1"), window.get()), {232, 40, 137, 25});
    add(new QPushButton(QStringLiteral("Calcola costante"), window.get()), {200, 168, 193, 41});
    add(new QLabel(QStringLiteral("  [da 1 a 500]"), window.get()), {376, 40, 137, 33});
    add(new QLabel(QStringLiteral("Numero lati poligono inscritto e circoscritto"), window.get()),
        {8, 104, 297, 49});
    add(new QLabel(window.get()), {320, 120, 137, 25});
    add(new QLabel(window.get()), {848, 120, 137, 25});
    add(new QLabel(QStringLiteral("<"), window.get()), {808, 120, 25, 25});
    add(new QLabel(QStringLiteral("costante"), window.get()), {720, 120, 81, 25});
    add(new QLabel(QStringLiteral("<"), window.get()), {696, 120, 17, 25});
    add(new QLabel(window.get()), {552, 120, 137, 25});
    add(new QLabel(QStringLiteral("Numero iterazioni"), window.get()), {24, 40, 193, 33});
    return window;
}

} // namespace bench
