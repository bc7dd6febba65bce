#include "io/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace geardim {

bool writeAllOf(QIODevice &device, const char *data, qint64 size)
{
    // A write the system cut short (a file-size limit, a disk filling up) reports no
    // error itself; writing the rest again does, with the system's reason.
    for (qint64 written = 0; written < size;) {
        const qint64 n = device.write(data + written, size - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

FileDone checkOutputTarget(const QString &path)
{
    const QFileInfo info(path); // follows links: a link to a regular file is that file
    // A link that leads nowhere would be replaced by a regular file: refused, with why.
    if (info.isSymLink() && !info.exists()) {
#if defined(Q_OS_UNIX)
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 && errno == ELOOP)
            return FileDone::refused(QCoreApplication::translate("SafeFile", "这是一个循环的符号链接，不指向任何文件"));
#endif
        return FileDone::refused(QCoreApplication::translate("SafeFile", "这是一个悬空的符号链接：它指向的文件不存在"));
    }
    if (info.isDir())
        return FileDone::refused(QCoreApplication::translate("SafeFile", "这是一个文件夹"));
    if (info.exists() && !info.isFile())
        return FileDone::refused(QCoreApplication::translate("SafeFile", "这不是普通文件（而是设备、FIFO 或套接字），不能覆盖"));
    return {};
}

FileDone checkInputSource(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return FileDone::refused(QCoreApplication::translate("SafeFile", "这是一个文件夹"));
    if (!info.exists())
        return FileDone::refused(QCoreApplication::translate("SafeFile", "文件不存在"));
    if (!info.isFile())
        return FileDone::refused(QCoreApplication::translate("SafeFile", "这不是普通文件（而是设备、FIFO 或套接字），不能读取"));
    return {};
}

FileDone writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (FileDone target = checkOutputTarget(path); !target.ok())
        return target;
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows in the write itself: a buffered write that
    // fails only in commit()'s flush would still be renamed over the old file, empty.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileDone::refused(file.errorString());
    if (!writeAllOf(file, bytes.constData(), bytes.size()) || !file.flush()) {
        // The reason first: cancelWriting() replaces it with its own.
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileDone::refused(reason);
    }
#if defined(Q_OS_UNIX)
    keepOwner(file.handle(), path); // (a handle asked of Qt on Windows would keep the file open)
#endif
    if (!file.commit())
        return FileDone::refused(file.errorString());
    return {};
}

void keepOwner(int handle, const QString &path)
{
#if defined(Q_OS_UNIX)
    // Only a program running as root, or as the owner in the group, may; where it may not,
    // the new file is the user's own, as a new file would be.
    struct stat old {};
    if (handle >= 0 && ::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode))
        [[maybe_unused]] const int ignored = ::fchown(handle, old.st_uid, old.st_gid);
#else
    Q_UNUSED(handle);
    Q_UNUSED(path);
#endif
}

FileDone saveWholeFile(const QString &path, const QByteArray &bytes, const QString &failed)
{
    const bool existed = QFileInfo::exists(path);
    const FileDone written = writeWholeFile(path, bytes);
    if (written.ok())
        return written;
    return FileDone::refused(failed.arg(QFileInfo(path).fileName(), written.problem(), oldFileNote(existed)).trimmed());
}

QString oldFileNote(bool existed)
{
    return existed ? QCoreApplication::translate("SafeFile", "原有文件未改动。") : QString();
}

} // namespace geardim
