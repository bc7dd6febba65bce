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

namespace {

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

} // namespace

std::optional<LogRefusal> appendToLog(const QString &path, const QByteArray &newLog, qsizetype firstBytes,
                                      const LogBytes &bytesFor, const QString &notALog)
{
    const QByteArray name = QFile::encodeName(path);
    // A new log is made whole, header first, in a file of its own beside it and linked into
    // place: the link fails when another program made the log first, and nobody can
    // append before the header.
    if (!QFileInfo::exists(path)) {
        QByteArray temporary = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.geardim-log-XXXXXX";
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0)
            return LogRefusal{errnoText(errno), std::nullopt};
        const bool made = writeAll(fd, newLog) && ::fchmod(fd, 0644) == 0;
        const int error = errno;
        const bool closed = ::close(fd) == 0;
        // Made here or by another program: either way it has its header.
        const bool linked = made && closed && ::link(temporary.constData(), name.constData()) == 0;
        const int linkError = errno;
        ::unlink(temporary.constData());
        if (!linked && !QFileInfo::exists(path))
            return LogRefusal{errnoText(!made ? error : linkError), std::nullopt};
    }
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return LogRefusal{errnoText(errno), std::nullopt};
    // The log is appended to, not replaced: rewriting it whole for every workpiece would cost its
    // whole length each time and lose a line when two programs log at once. Instead the
    // line goes in under an exclusive lock, and a write that fails half done is cut back to
    // the length the log had, so a failure leaves the old log exactly as it was.
    const auto refused = [fd](int error, std::optional<bool> oldKept = std::nullopt) {
        ::close(fd);
        return LogRefusal{errnoText(error), oldKept};
    };
    if (::flock(fd, LOCK_EX) != 0)
        return refused(errno);
    struct stat before {};
    if (::fstat(fd, &before) != 0)
        return refused(errno);
    QByteArray first(firstBytes, '\0');
    const ssize_t got = before.st_size > 0 ? ::pread(fd, first.data(), std::size_t(first.size()), 0) : 0;
    first.resize(got > 0 ? int(got) : 0);
    char last = '\n';
    if (before.st_size > 0 && ::pread(fd, &last, 1, before.st_size - 1) != 1)
        return refused(errno);
    const std::optional<QByteArray> bytes = bytesFor(before.st_size, first, last);
    if (!bytes) {
        ::close(fd);
        return LogRefusal{notALog, true};
    }
    if (!writeAll(fd, *bytes)) {
        const int error = errno;
        const bool restored = ::ftruncate(fd, before.st_size) == 0;
        return refused(error, restored);
    }
    if (::close(fd) != 0)
        return LogRefusal{errnoText(errno), std::nullopt};
    return std::nullopt;
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
