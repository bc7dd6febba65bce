#include "gui/toolkit/calculatorwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace geardim {

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    exitClicked();
    // The window stays alive for the next opening; exitClicked has hidden it.
    event->ignore();
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & ~Qt::KeypadModifier)) {
        exitClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace geardim
