#pragma once

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace geardim {

// Paints the page on the printer the user chose.
using PagePainter = std::function<void(QPagedPaintDevice &printer)>;

// Opens Qt's print dialog for an A4 page and, when the user accepts it, paints on the
// chosen printer. False when the user cancels.
bool printWithDialog(QWidget *parent, const PagePainter &paint);

} // namespace geardim
