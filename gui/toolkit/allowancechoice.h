#pragma once

#include <QString>

#include "io/fileoutcome.h"

class QWidget;

// 齿厚偏差表…: the shop's allowance table chosen once for every window that reads it (the
// inspection sheet by its allowance code, the spline window by a DIN 5480 tolerance).
namespace geardim {

// Asks for the table, reads it to check it and remembers it for every window. The table's
// path and its row count, or the problem (empty: cancelled).
struct AllowanceTableChoice {
    QString path;
    qsizetype rows = 0;
};
FileOutcome<AllowanceTableChoice> chooseAllowanceTable(QWidget *window);

} // namespace geardim
