#include "common/calculatorwindow.h"

#include <QCloseEvent>

namespace geardim {

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    exitClicked();
    // The window stays alive for the next opening; exitClicked has hidden it.
    event->ignore();
}

} // namespace geardim
