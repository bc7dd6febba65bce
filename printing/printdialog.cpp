// The print module: Qt's print dialog and printer, loaded by the sheet when it prints.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "printing/printdialog.h"

extern "C" Q_DECL_EXPORT bool geardimPrintWithDialog(QWidget *parent, const geardim::PagePainter &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("打印测量尺寸表"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}
