#include "gui/toolkit/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace geardim {

void registerSongSubstitutes()
{
    const QString song = QString::fromUtf8(kSongFamily);
    QFont::removeSubstitutions(song);
    QFont::insertSubstitutions(song, {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Microsoft YaHei"),
                                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Songti SC"),
                                      QStringLiteral("STSong")});
}

void installFonts()
{
    registerSongSubstitutes();
    QApplication::setFont(songFont(9));
}

QString documentSongFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : {QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QString::fromUtf8(kSongFamily);
    }();
    return family;
}

QFont documentFont()
{
    static const QStringList families = [] {
        QStringList out;
        const QStringList installed = QFontDatabase::families();
        for (const QString &latin : {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")}) {
            if (installed.contains(latin)) {
                out << latin;
                break;
            }
        }
        return out << documentSongFamily();
    }();
    QFont font;
    font.setFamilies(families);
    // No ligatures: "fl" set as one glyph would copy out of a PDF as "ﬂ", not as text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont songFont(double pointSize)
{
    QFont font(QString::fromUtf8(kSongFamily));
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace geardim
