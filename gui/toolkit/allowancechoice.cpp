#include "gui/toolkit/allowancechoice.h"

#include <QCoreApplication>

#include "gui/toolkit/dialogs.h"
#include "io/allowancefile.h"

namespace geardim {

FileOutcome<AllowanceTableChoice> chooseAllowanceTable(QWidget *window)
{
    const QString path = chooseFile(window, FileChoice::Open, QCoreApplication::translate("AllowanceTable", "齿厚偏差表"),
                                    QStringLiteral("CSV (*.csv);;*"), rememberedAllowanceTable());
    if (path.isEmpty())
        return FileOutcome<AllowanceTableChoice>::refused(QString());
    const FileOutcome<AllowanceTable> read = readAllowanceTable(path);
    if (!read.ok())
        return FileOutcome<AllowanceTableChoice>::refused(read.problem());
    rememberAllowanceTable(path);
    return AllowanceTableChoice{path, qsizetype(read.value().rows.size())};
}

} // namespace geardim
