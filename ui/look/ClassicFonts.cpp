#include "ui/look/ClassicFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

bool isInstalled(const QStringList& families, const QString& face) {
    // Where one family comes from several foundries, Qt names each "Family [Foundry]".
    const QString fromAFoundry = face + QStringLiteral(" [");
    return std::ranges::any_of(families, [&](const QString& family) {
        return family.compare(face, Qt::CaseInsensitive) == 0 ||
               family.startsWith(fromAFoundry, Qt::CaseInsensitive);
    });
}

}  // namespace

QString ClassicFonts::drawnFace(std::string_view face) {
    // Asked for a face that is not installed, Qt searches a fallback through every installed
    // font (fontconfig sorts them all) before it tries the next name, and does so for each
    // font made: on a desktop with thousands of faces that is most of the start-up. So the
    // face is looked up once, among the installed families, in the order Qt itself would try
    // the names.
    static QHash<QString, QString> drawn;
    const QString asked = QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
    if (const auto known = drawn.constFind(asked); known != drawn.cend())
        return *known;
    // Liberation Sans has Arial's metrics; the old bitmap "MS Sans Serif" is close enough to it
    // at 8 points that every caption keeps to its rectangle. Where none of the Arial-like faces
    // is installed, DejaVu Sans Condensed comes within a pixel or two of them; plain DejaVu Sans
    // is a tenth wider and pushes "Both Letters and Numbers" and four other captions out of
    // their controls, so it is only the last resort.
    const QStringList candidates{asked,
                                 QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Arimo"),
                                 QStringLiteral("Nimbus Sans"),
                                 QStringLiteral("DejaVu Sans Condensed"),
                                 QStringLiteral("DejaVu Sans")};
    const QStringList installed = QFontDatabase::families();
    const auto first = std::ranges::find_if(
        candidates, [&](const QString& candidate) { return isInstalled(installed, candidate); });
    // With none of them, Qt's own fallback is all there is.
    return drawn[asked] = first != candidates.cend() ? *first : asked;
}

QFont ClassicFonts::font(const FontSpec& fontSpec, int dotsPerInch) {
    QFont font(drawnFace(fontSpec.face));
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
