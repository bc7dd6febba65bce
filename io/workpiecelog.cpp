#include "io/workpiecelog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"
#include "io/platform/files.h"
#include "io/safefile.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#if defined(Q_OS_UNIX)
// Writes every byte, going on after a short write so that a failure comes with its reason
// (a short write is the start of a full disk or of a file-size limit); false, errno set,
// on failure.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        left -= std::size_t(n);
    }
    return true;
}
#endif

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
#if defined(Q_OS_UNIX)
    const QByteArray name = QFile::encodeName(path);
    // A new log is made whole, header first, in a file of its own beside it and linked into
    // place: the link fails when another program made the log first, and nobody can
    // append before the header.
    if (!QFileInfo::exists(path)) {
        QByteArray temporary = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.geardim-log-XXXXXX";
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0)
            return refused(qt_error_string(errno));
        const bool made = writeAll(fd, kByteOrderMark + inspectionLogHeader() + "\n") && ::fchmod(fd, 0644) == 0;
        const int error = errno;
        const bool closed = ::close(fd) == 0;
        // Made here or by another program: either way it has its header.
        const bool linked = made && closed && ::link(temporary.constData(), name.constData()) == 0;
        const int linkError = errno;
        ::unlink(temporary.constData());
        if (!linked && !QFileInfo::exists(path))
            return refused(qt_error_string(!made ? error : linkError));
    }
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return refused(qt_error_string(errno));
    // The log is appended to, not replaced: rewriting it whole for every workpiece would cost its
    // whole length each time and lose a line when two programs log at once. Instead the
    // line goes in under an exclusive lock, and a write that fails half done is cut back to
    // the length the log had, so a failure leaves the old log exactly as it was.
    struct stat before {};
    if (QString why; !lockForAppending(fd, why)) {
        ::close(fd);
        return refused(why);
    }
    if (::fstat(fd, &before) != 0) {
        const int error = errno;
        ::close(fd);
        return refused(qt_error_string(error));
    }
    // Only a log takes a line (see bytesForLog).
    QByteArray first(inspectionLogHeader().size() + 8, '\0');
    const ssize_t got = before.st_size > 0 ? ::pread(fd, first.data(), std::size_t(first.size()), 0) : 0;
    first.resize(got > 0 ? int(got) : 0);
    char last = '\n';
    if (before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) != 1) {
        const int error = errno;
        ::close(fd);
        return refused(qt_error_string(error));
    }
    const std::optional<QByteArray> bytes = bytesForLog(before.st_size, first, last, line);
    if (!bytes) {
        ::close(fd);
        return refused(notALog(), oldFileNote(true));
    }
    if (!writeAll(fd, *bytes)) {
        const int error = errno;
        const bool restored = ::ftruncate(fd, before.st_size) == 0;
        ::close(fd);
        return refused(qt_error_string(error), oldFileNote(restored));
    }
    if (::close(fd) != 0)
        return refused(qt_error_string(errno));
    return {};
#else
    // The same promise through Qt's file and the system's lock: the header first, the line
    // whole or cut back, another program's CSV left alone.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return refused(file.errorString());
    if (QString why; !lockForAppending(file.handle(), why))
        return refused(why);
    const qint64 size = file.size();
    const QByteArray first = file.read(inspectionLogHeader().size() + 8);
    char last = '\n';
    if (size > 0 && !(file.seek(size - 1) && file.getChar(&last)))
        return refused(file.errorString());
    const std::optional<QByteArray> bytes = bytesForLog(size, first, last, line);
    if (!bytes)
        return refused(notALog(), oldFileNote(true));
    if (!file.seek(size) || !writeAllOf(file, bytes->constData(), bytes->size()) || !file.flush()) {
        const QString why = file.errorString();
        const bool restored = file.resize(size);
        return refused(why, oldFileNote(restored));
    }
    return {};
#endif
}

} // namespace geardim
