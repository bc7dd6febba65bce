#include "gui/painting/printdialog.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace geardim {

bool printWithDialog(QWidget *parent, const PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("QObject", "打印测量尺寸表"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

} // namespace geardim
