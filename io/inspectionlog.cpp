#include "io/inspectionlog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>

#include "core/sheet/sheetinputs.h"
#include "core/sheet/sheetreport.h"
#include "io/safefile.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace geardim {
namespace {

void addField(QByteArray &line, const std::string &text)
{
    if (!line.isEmpty())
        line += ',';
    line += QByteArray::fromStdString(csvField(text));
}

#if defined(Q_OS_UNIX)
// One write, all of it or a failure: a short write to a local file is a full disk.
bool writeOnce(int fd, const QByteArray &bytes)
{
    return ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
}
#endif

} // namespace

QByteArray inspectionLogHeader()
{
    QByteArray line;
    for (const char *name : {"time", "drawing", "part", "inspector", "gauge-number"})
        addField(line, name);
    for (const SheetOption &o : sheetOptions()) {
        if (o.section) // the gear's inputs; the measured values follow, judged
            addField(line, o.name);
    }
    for (MeasuredDimension d : kMeasuredDimensions) {
        for (const char *part : {".value", ".allowance", ".verdict"})
            addField(line, std::string("measured.") + measuredName(d) + part);
    }
    return line;
}

QByteArray inspectionLogLine(const InspectionRecord &record, const SheetResult &sheet, const QDateTime &when)
{
    QByteArray line;
    addField(line, when.toString(Qt::ISODate).toStdString());
    for (const QString &text : {record.drawing, record.part, record.inspector, record.gaugeNumber})
        addField(line, text.toStdString());
    const SheetInput &in = sheet.input;
    for (const SheetOption &o : sheetOptions()) {
        if (!o.section)
            continue;
        if (o.kind == OptionKind::Flag)
            addField(line, in.internal ? "true" : "false");
        else if (o.kind == OptionKind::Gauge)
            addField(line, in.gauge == GaugeKind::Pin ? "pin" : "ball");
        else if (const auto v = optionNumber(o, in))
            addField(line, shortestNumber(*v));
        else
            addField(line, "");
    }
    for (MeasuredDimension d : kMeasuredDimensions) {
        const auto it = std::find_if(sheet.measurements.begin(), sheet.measurements.end(),
                                     [&](const SheetResult::Measurement &m) { return m.dimension == d; });
        const bool judged = it != sheet.measurements.end() && it->outcome.measured;
        addField(line, it != sheet.measurements.end() ? shortestNumber(it->value) : "");
        addField(line, judged ? shortestNumber(it->outcome.measured->allowance) : "");
        addField(line, judged ? verdictCode(it->outcome.measured->verdict) : "");
    }
    return line;
}

FileDone appendInspection(const QString &path, const InspectionRecord &record, const SheetResult &sheet,
                          const QDateTime &when)
{
    const auto refused = [&](const QString &why) {
        return FileDone::refused(QCoreApplication::translate("InspectionLog", "无法写入检验记录“%1”：%2。")
                                     .arg(QFileInfo(path).fileName(), why));
    };
    if (const FileDone target = checkOutputTarget(path); !target.ok())
        return refused(target.problem());
    const QByteArray line = inspectionLogLine(record, sheet, when) + "\n";
#if defined(Q_OS_UNIX)
    const QByteArray name = QFile::encodeName(path);
    // A new log is made whole, header first, in a file of its own beside it and linked into
    // place: the link fails when another program made the log first, and nobody can
    // append before the header.
    if (!QFileInfo::exists(path)) {
        QByteArray temporary = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.geardim-log-XXXXXX";
        const int fd = ::mkstemp(temporary.data());
        if (fd >= 0) {
            const bool made = writeOnce(fd, inspectionLogHeader() + "\n") && ::fchmod(fd, 0644) == 0 && ::close(fd) == 0;
            const bool linked = made && ::link(temporary.constData(), name.constData()) == 0;
            ::unlink(temporary.constData());
            (void)linked; // made here or by another program: either way it has its header
        }
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return refused(qt_error_string(errno));
    const bool written = writeOnce(fd, line);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed)
        return refused(qt_error_string(written ? errno : error));
    return {};
#else
    QFile file(path);
    const bool created = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return refused(file.errorString());
    const QByteArray bytes = created ? inspectionLogHeader() + "\n" + line : line;
    if (file.write(bytes) != bytes.size())
        return refused(file.errorString());
    return {};
#endif
}

} // namespace geardim
