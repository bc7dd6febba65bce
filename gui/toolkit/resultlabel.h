#pragma once

#include <memory>

#include <QLabel>

class QMenu;

// A label that shows a result which the user can select and copy with the mouse
// and the keyboard. Selection is switched on when the user first presses on the
// label and off again when it loses focus: a selectable label keeps a text
// document behind it, and rebuilding that document made every compute click
// several times slower. A double click selects the whole number; the context
// menu offers 复制 (Ctrl+C), which copies exactly the text shown.
namespace geardim {

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Puts the whole shown text on the clipboard, as the context menu's 复制 does.
    void copyShownText() const;
    // The label's context menu, not yet shown.
    std::unique_ptr<QMenu> makeContextMenu();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void makeSelectable();
};

} // namespace geardim
