#include "io/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include "io/platform/files.h"

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
        if (isLinkLoop(path))
            return FileDone::refused(QCoreApplication::translate("SafeFile", "这是一个循环的符号链接，不指向任何文件"));
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
    keepOwner(file, path);
    if (!file.commit())
        return FileDone::refused(file.errorString());
    return {};
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
