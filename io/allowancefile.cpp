#include "io/allowancefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "io/language.h"
#include "io/safefile.h"

namespace geardim {

FileOutcome<AllowanceTable> readAllowanceTable(const QString &path)
{
    const auto refuse = [&](const QString &why) {
        return FileOutcome<AllowanceTable>::refused(
            QCoreApplication::translate("AllowanceTable", "无法读取齿厚偏差表“%1”：%2").arg(QFileInfo(path).fileName(), why));
    };
    if (const FileDone source = checkInputSource(path); !source.ok())
        return refuse(source.problem());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    const QByteArray bytes = file.read(1024 * 1024 + 1);
    if (bytes.size() > 1024 * 1024)
        return refuse(QCoreApplication::translate("AllowanceTable", "文件大于 1 MiB。"));
    const AllowanceTableRead read = parseAllowanceTable(bytes.toStdString(), qtTextTranslator());
    if (!read.table)
        return refuse(QString::fromStdString(read.problem));
    return *read.table;
}

namespace {
const QString kTableKey = QStringLiteral("sheet/allowanceTable");
}

QString rememberedAllowanceTable() { return QSettings().value(kTableKey).toString(); }

void rememberAllowanceTable(const QString &path) { QSettings().setValue(kTableKey, path); }

FileOutcome<std::optional<AllowanceTable>> readRememberedAllowanceTable()
{
    const QString path = rememberedAllowanceTable();
    if (path.isEmpty())
        return std::optional<AllowanceTable>();
    FileOutcome<AllowanceTable> read = readAllowanceTable(path);
    if (!read.ok())
        return FileOutcome<std::optional<AllowanceTable>>::refused(read.problem());
    return std::optional(std::move(read.value()));
}

} // namespace geardim
