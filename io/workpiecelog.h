#pragma once

#include <QDateTime>
#include <QString>

#include "core/gear/gear.h"
#include "io/fileoutcome.h"

// The inspection record: who inspected which workpiece of which drawing with which gauge,
// and the log that keeps one line per inspected workpiece.
namespace geardim {

struct InspectionRecord {
    QString drawing;     // 图号, kept with the gear (record.drawing in a gear file)
    QString partNumber;  // 零件编号: the workpiece's number or serial number
    QString inspector;   // 检验员
    QString gaugeNumber; // 量具编号
};

// Appends one line for the workpiece to a CSV log: the time, the record, the gear's inputs
// and each measured value with its actual allowance and verdict. A new log is made with
// its header and linked into place, so the header is always first; each line then goes in
// under an exclusive lock, so two programs logging to one file never interleave a line,
// and a write that fails half done is cut back, leaving the log as it was.
FileDone appendInspection(const QString &path, const InspectionRecord &record, const SheetResult &sheet,
                          const QDateTime &when = QDateTime::currentDateTime());

// The log's header line and the line for one workpiece, without their line breaks. A new
// log begins with a UTF-8 byte-order mark before its header, so that a spreadsheet shows
// its Chinese; a log without one is read as well.
QByteArray inspectionLogHeader();
QByteArray inspectionLogLine(const InspectionRecord &record, const SheetResult &sheet, const QDateTime &when);

} // namespace geardim
