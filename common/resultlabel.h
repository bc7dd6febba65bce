#pragma once

#include <QLabel>

// A label that shows a result which the user can select and copy with the mouse
// and the keyboard. Selection is switched on when the user first presses on the
// label and off again when it loses focus: a selectable label keeps a text
// document behind it, and rebuilding that document made every compute click
// several times slower.
namespace geardim {

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace geardim
