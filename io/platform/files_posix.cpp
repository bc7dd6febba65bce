#include "io/platform/files.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <sys/file.h>
#include <unistd.h>

namespace geardim {

bool replaceFile(const QString &from, const QString &to, QString &why)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    why = errnoText(errno);
    return false;
}

bool syncToDisk(QFileDevice &file, QString &why)
{
    if (::fsync(file.handle()) == 0)
        return true;
    why = errnoText(errno);
    return false;
}

QString errnoText(int error) { return qt_error_string(error); }

bool lockForAppending(int handle, QString &why)
{
    if (::flock(handle, LOCK_EX) == 0)
        return true;
    why = errnoText(errno);
    return false;
}

} // namespace geardim
