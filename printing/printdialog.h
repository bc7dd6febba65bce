#pragma once

#include <functional>

class QPagedPaintDevice;
class QWidget;

// The print dialog lives in a module of its own, loaded on the first print: Qt's print
// support would otherwise be loaded, and cost memory, at every start of the program.
namespace geardim {

// Paints the page on the printer the user chose.
using PagePainter = std::function<void(QPagedPaintDevice &printer)>;

// The module's one entry: opens the print dialog for an A4 page and, when the user
// accepts it, paints on the chosen printer. False when the user cancels.
using PrintWithDialog = bool (*)(QWidget *parent, const PagePainter &paint);

// Finds and loads the module beside the program (or in its installed library folder);
// nothing when it is not there.
PrintWithDialog loadPrintModule();

} // namespace geardim
