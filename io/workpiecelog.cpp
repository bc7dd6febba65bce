#include "io/workpiecelog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"
#include "io/platform/files.h"
#include "io/safefile.h"

namespace geardim {
namespace {

// A spreadsheet on a Chinese Windows PC reads a CSV as UTF-8 only with this mark first.
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// The first count fields as a CSV line.
QByteArray joined(const std::vector<std::string> &fields, std::size_t count)
{
    QByteArray line;
    for (std::size_t i = 0; i < count && i < fields.size(); ++i) {
        if (i)
            line += ',';
        line += QByteArray::fromStdString(csvField(fields[i]));
    }
    return line;
}

// The columns added after logs were first written (the double-flank test's): always the last,
// so a log made before them goes on in its own columns.
bool addedLater(const SheetOption &o) { return o.optional == &SheetInput::masterTeeth || o.optional == &SheetInput::masterShift; }
bool addedLater(MeasuredDimension d) { return d == MeasuredDimension::TestDistance; }

// The gear's inputs (earlier or later ones), then the measured values, judged.
template <typename Option, typename Measured>
void visitColumns(bool later, Option option, Measured measured)
{
    for (const SheetOption &o : sheetOptions()) {
        if (o.group && addedLater(o) == later)
            option(o);
    }
    for (MeasuredDimension d : kMeasuredDimensions) {
        if (addedLater(d) == later)
            measured(d);
    }
}

std::vector<std::string> headerFields()
{
    std::vector<std::string> names{"time", "drawing", "part", "inspector", "gauge-number"};
    for (const bool later : {false, true}) {
        visitColumns(later, [&](const SheetOption &o) { names.emplace_back(o.name); },
                     [&](MeasuredDimension d) {
                         for (const char *suffix : {".value", ".allowance", ".verdict"})
                             names.push_back(std::string("measured.") + measuredName(d) + suffix);
                     });
    }
    return names;
}

// The columns of a log made before the later ones.
std::size_t earlierColumnCount()
{
    std::size_t count = 5;
    visitColumns(false, [&](const SheetOption &) { ++count; }, [&](MeasuredDimension) { count += 3; });
    return count;
}

std::vector<std::string> lineFields(const InspectionRecord &record, const SheetResult &sheet, const QDateTime &when)
{
    std::vector<std::string> fields{when.toString(Qt::ISODate).toStdString()};
    for (const QString &text : {record.drawing, record.partNumber, record.inspector, record.gaugeNumber})
        fields.push_back(text.toStdString());
    const SheetInput &in = sheet.input;
    const auto option = [&](const SheetOption &o) {
        if (o.optional == &SheetInput::gaugeDiameter) // the gauge used, typed or proposed
            fields.push_back(shortestNumber(sheet.gaugeDiameter));
        else
            fields.push_back(sheetOptionText(o, in));
    };
    const auto measured = [&](MeasuredDimension d) {
        const auto it = std::find_if(sheet.measurements.begin(), sheet.measurements.end(),
                                     [&](const SheetResult::Measurement &m) { return m.dimension == d; });
        const bool judged = it != sheet.measurements.end() && it->outcome.measured;
        fields.push_back(it != sheet.measurements.end() ? shortestNumber(it->value) : "");
        fields.push_back(judged ? shortestNumber(it->outcome.measured->allowance) : "");
        fields.push_back(judged ? verdictCode(it->outcome.measured->verdict) : "");
    };
    for (const bool later : {false, true})
        visitColumns(later, option, measured);
    return fields;
}

// What goes into a log of size bytes, first its first bytes and last its last one: the
// header first into an empty file, a line break first where the last line is open (a file
// edited by hand); none when the file begins with another header, which makes it no log
// of this program's.
// A log made before the columns added later has the earlier header: its lines go on in its
// columns (the later ones are the last, so the earlier line is the first of the fields).
std::optional<QByteArray> bytesForLog(qint64 size, QByteArray first, char last, const std::vector<std::string> &fields)
{
    const QByteArray line = joined(fields, fields.size()) + "\n";
    if (size == 0)
        return kByteOrderMark + inspectionLogHeader() + "\n" + line;
    if (first.startsWith("\xEF\xBB\xBF"))
        first.remove(0, 3); // a byte-order mark a spreadsheet may have written
    const std::vector<std::string> names = headerFields();
    for (const std::size_t count : {names.size(), earlierColumnCount()}) {
        const QByteArray header = joined(names, count);
        if (first.startsWith(header + "\n") || first.startsWith(header + "\r\n")) {
            const QByteArray written = joined(fields, count) + "\n";
            return last == '\n' ? written : "\n" + written;
        }
    }
    return std::nullopt;
}

QString notALog()
{
    return QCoreApplication::translate("InspectionLog", "这个文件不是检验记录（第一行不是检验记录的表头），不能在其后追加");
}

} // namespace

QByteArray inspectionLogHeader() { return joined(headerFields(), headerFields().size()); }

QByteArray inspectionLogLine(const InspectionRecord &record, const SheetResult &sheet, const QDateTime &when)
{
    const std::vector<std::string> fields = lineFields(record, sheet, when);
    return joined(fields, fields.size());
}

FileDone appendInspection(const QString &path, const InspectionRecord &record, const SheetResult &sheet,
                          const QDateTime &when)
{
    // Why, and, where the log was there before, that it is as it was.
    const auto refused = [&](const QString &why, const QString &note = QString()) {
        return FileDone::refused(QCoreApplication::translate("InspectionLog", "无法写入检验记录“%1”：%2。%3")
                                     .arg(QFileInfo(path).fileName(), why, note));
    };
    if (const FileDone target = checkOutputTarget(path); !target.ok())
        return refused(target.problem());
    const std::vector<std::string> line = lineFields(record, sheet, when);
    const auto refusal = appendToLog(
        path, kByteOrderMark + inspectionLogHeader() + "\n", inspectionLogHeader().size() + 8,
        [&](qint64 size, const QByteArray &first, char last) { return bytesForLog(size, first, last, line); }, notALog());
    if (refusal)
        return refused(refusal->why, refusal->oldKept ? oldFileNote(*refusal->oldKept) : QString());
    return {};
}

} // namespace geardim
