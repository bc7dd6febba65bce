#include "common/resultlabel.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace geardim {

void ResultLabel::mousePressEvent(QMouseEvent *event)
{
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse)) {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocus(Qt::MouseFocusReason);
    }
    QLabel::mousePressEvent(event);
}

void ResultLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    // A context menu takes the focus for a while; the selection stays for it.
    if (event->reason() != Qt::PopupFocusReason)
        setTextInteractionFlags(Qt::LinksAccessibleByMouse); // a label's default
}

} // namespace geardim
