#pragma once

#include <QFont>

// "宋体" is the family every window names; it resolves to SimSun where that exists
// and to a Song-style CJK face elsewhere.
namespace geardim {

inline constexpr const char *kSongFamily = "宋体";

// Registers the substitutes of "宋体" (needs only a QGuiApplication; repeatable).
void registerSongSubstitutes();

// Registers the substitutes of "宋体" and makes it the application's default font
// at 9 pt, so controls without a font of their own render Chinese too.
void installFonts();

// A Song face whose glyphs map back to text in a PDF: SimSun, or AR PL UMing CN; the
// Noto CJK faces share one glyph between an ideograph and its radical (齿 and ⻮), so
// text copied from a PDF set in them would come out as radicals. "宋体" when neither is
// installed.
QString documentSongFamily();

// The face of pages and pictures (PDF, PNG, SVG, the picture in the window): Latin text
// and digits in a Latin face (DejaVu Sans, or Noto Sans), where "l" never looks like "1",
// and Chinese in the document's Song face, glyph by glyph.
QFont documentFont();

// "宋体" at the given size in points.
QFont songFont(double pointSize);

} // namespace geardim
