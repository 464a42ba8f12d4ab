#include "ui/look/ClassicFonts.h"

#include <QString>
#include <QStringList>
#include <cmath>

namespace morvane {

void ClassicFonts::installSubstitutions() {
    // Liberation Sans has Arial's metrics; the old bitmap "MS Sans Serif" is close enough to it
    // at 8 points that every caption keeps to its rectangle. Where none of the Arial-like faces
    // is installed, DejaVu Sans Condensed comes within a pixel or two of them; plain DejaVu Sans
    // is a tenth wider and pushes "Both Letters and Numbers" and four other captions out of
    // their controls, so it is only the last resort.
    const QStringList standIns{
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
        QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns);
    QFont::insertSubstitutions(QStringLiteral("Arial"), standIns);
}

QFont ClassicFonts::font(const FontSpec& fontSpec, int dotsPerInch) {
    QFont font(
        QString::fromLatin1(fontSpec.face.data(), static_cast<qsizetype>(fontSpec.face.size())));
    // The faces are hinted to whole pixels, which rounds 13.75 (8.25 points at 120 dpi) up to
    // 14 and outgrows the controls, which grew to 41.25 pixels; a size never over its scaled
    // one keeps every caption whole. At 96 dpi both sizes are whole: 11 and 29 pixels.
    constexpr double kPointsPerInch = 72;
    const double pixels = std::floor(fontSpec.points * dotsPerInch / kPointsPerInch + 1e-9);
    font.setPointSizeF(pixels * kPointsPerInch / dotsPerInch);
    font.setWeight(static_cast<QFont::Weight>(fontSpec.weight));
    // Every attribute is set, even to its default: an attribute left unset is taken from the
    // application's font, which a desktop may change while the game runs.
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    font.setKerning(true);
    font.setStretch(QFont::AnyStretch);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    // The faces stand for bitmap fonts, which were never smoothed: every pixel of a letter is
    // ink or background, so the readouts' digits are pure cyan on black and captions crisp.
    font.setStyleHint(QFont::AnyStyle, QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace morvane
