#include "ClassicFonts.h"

#include <QString>
#include <QStringList>

namespace morvane {

void ClassicFonts::installSubstitutions() {
    // Liberation Sans has Arial's metrics; the old bitmap "MS Sans Serif" is close enough to it
    // at 8 points that every caption keeps to its rectangle.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
}

QFont ClassicFonts::font(const FontSpec& fontSpec) {
    QFont font(
        QString::fromLatin1(fontSpec.face.data(), static_cast<qsizetype>(fontSpec.face.size())));
    font.setPointSizeF(fontSpec.points);
    font.setWeight(static_cast<QFont::Weight>(fontSpec.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace morvane
