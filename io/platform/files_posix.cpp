#include "io/platform/files.h"

#include <cstring>

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
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

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void keepOwner(QFileDevice &file, const QString &path)
{
    // Only a program running as root, or as the owner in the group, may; where it may not,
    // the new file is the user's own, as a new file would be.
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode))
        [[maybe_unused]] const int ignored = ::fchown(file.handle(), old.st_uid, old.st_gid);
}

bool isLinkLoop(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) != 0 && errno == ELOOP;
}

bool openUnnamedFile(QFile &file, const QString &folder, QString &why)
{
#if defined(O_TMPFILE)
    const int handle = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (handle < 0)
        return false;
    if (file.open(handle, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    why = file.errorString();
    return false;
#else
    Q_UNUSED(file);
    Q_UNUSED(folder);
    Q_UNUSED(why);
    return false;
#endif
}

bool nameUnnamedFile(int handle, const QString &target, QString &named, QString &why)
{
    // The old file's permissions and owner, or the usual ones of a new file.
    struct stat before {};
    const QByteArray path = QFile::encodeName(target);
    const bool existed = ::stat(path.constData(), &before) == 0;
    if (::fchmod(handle, existed ? before.st_mode & 07777 : 0644) != 0) {
        why = errnoText(errno);
        return false;
    }
    if (existed && S_ISREG(before.st_mode))
        [[maybe_unused]] const int ignored = ::fchown(handle, before.st_uid, before.st_gid);
    // A hidden name beside the target, for no longer than the rename that follows takes.
    const QFileInfo info(target);
    const QByteArray from = "/proc/self/fd/" + QByteArray::number(handle);
    const QByteArray stem = QFile::encodeName(info.absolutePath()) + "/." + QFile::encodeName(info.fileName()) + ".";
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0;; ++attempt) {
        const QByteArray name = stem + QByteArray::number(quint32(random()), 36);
        if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            named = QFile::decodeName(name);
            return true;
        }
        if (errno != EEXIST || attempt > 100) {
            why = errnoText(errno);
            return false;
        }
    }
}

void failWritesBeyondSizeLimits() { std::signal(SIGXFSZ, SIG_IGN); }

namespace {

// The file a signal removes: a plain C string, as a signal handler may read.
char pendingFile[4096];

extern "C" void removePendingAndDie(int signal)
{
    if (pendingFile[0])
        ::unlink(pendingFile);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void watchSignals(bool on)
{
    // A closed pipe downstream ends the program as a terminal's Ctrl+C does.
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        std::signal(signal, on ? removePendingAndDie : SIG_DFL);
}

} // namespace

void removeFileOnFatalSignal(const QByteArray &path)
{
    if (std::size_t(path.size()) >= sizeof pendingFile)
        return;
    std::memcpy(pendingFile, path.constData(), std::size_t(path.size()) + 1);
    watchSignals(true);
}

void forgetFileOnFatalSignal()
{
    watchSignals(false);
    pendingFile[0] = 0;
}

} // namespace geardim
