#include "runtime/host/fonts.hpp"

#include <QFontDatabase>

namespace runtime::host {

void installFontSubstitutions() {
    QFont::insertSubstitution(QString::fromLatin1(designFontFamily),
                              QString::fromLatin1(designFontSubstitute));
}

QFont designFont(qreal pointSize, QFont::Weight weight) {
    const QString family = QString::fromLatin1(designFontFamily);
    // Asking the font database costs a tenth of a millisecond; the fonts
    // installed do not change while the application runs.
    static const bool designFontInstalled = QFontDatabase::hasFamily(family);
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    if (!designFontInstalled) {
        font.setStyleName(weight >= QFont::Bold ? QStringLiteral("Bold") : QStringLiteral("Book"));
        font.setStretch(substituteStretch);
    }
    return font;
}

} // namespace runtime::host
