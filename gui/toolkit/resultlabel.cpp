#include "gui/toolkit/resultlabel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace geardim {

void ResultLabel::makeSelectable()
{
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse)) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocus(Qt::MouseFocusReason);
    }
}

void ResultLabel::copyShownText() const { QApplication::clipboard()->setText(text()); }

void ResultLabel::mousePressEvent(QMouseEvent *event)
{
    makeSelectable();
    QLabel::mousePressEvent(event);
}

void ResultLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A result is one number: a double click takes all of it, not the digits
    // on one side of the decimal point.
    makeSelectable();
    QLabel::mouseDoubleClickEvent(event);
    setSelection(0, int(text().size()));
}

void ResultLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelectedText())
            QApplication::clipboard()->setText(selectedText());
        else
            copyShownText();
        return;
    }
    QLabel::keyPressEvent(event);
}

std::unique_ptr<QMenu> ResultLabel::makeContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    QAction *copy = menu->addAction(tr("复制"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!text().trimmed().isEmpty());
    connect(copy, &QAction::triggered, this, &ResultLabel::copyShownText);
    return menu;
}

void ResultLabel::contextMenuEvent(QContextMenuEvent *event) { makeContextMenu()->exec(event->globalPos()); }

void ResultLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    // A context menu takes the focus for a while; the selection stays for it.
    if (event->reason() != Qt::PopupFocusReason)
        setTextInteractionFlags(Qt::LinksAccessibleByMouse); // a label's default
}

} // namespace geardim
