#pragma once

#include <QPushButton>
#include <QString>
#include <QTextLayout>

class QFont;

// Button captions break into lines where they are wider than the button, as
// Chinese text allows between any two characters. Lines are set at the font's
// em plus one pixel, the pitch of a Song face, so two lines of 12 pt fit a
// 41-pixel button even where the CJK face has a tall line box.
namespace geardim {

struct CaptionBlock {
    int lines = 0;
    int widest = 0;     // pixels, the widest line
    int inkHeight = 0;  // pixels, the height the lines' glyphs take
};

// How a caption breaks into lines no wider than width.
CaptionBlock captionBlock(const QFont &font, const QString &text, int width);

// A push button whose caption wraps instead of being cut off.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The pixels inside the bevel that the caption may use.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Return and the keypad's Enter press a focused button, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace geardim
