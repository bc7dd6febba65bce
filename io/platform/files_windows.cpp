#include "io/platform/files.h"

#include "io/safefile.h"

#include <cstdio>

#include <csignal>

#include <QDir>

#include <cstring>
#include <io.h>
#include <windows.h>

namespace geardim {

bool replaceFile(const QString &from, const QString &to, QString &why)
{
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    // Every byte of the new file on the disk before it takes the old one's place.
    const HANDLE file = ::CreateFileW(source.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = file != INVALID_HANDLE_VALUE && ::FlushFileBuffers(file);
    const DWORD flushError = ::GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    if (!flushed) {
        why = qt_error_string(int(flushError));
        return false;
    }
    if (::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    why = qt_error_string(int(::GetLastError())); // a Windows error code, as Qt's texts take it
    return false;
}

bool syncToDisk(QFileDevice &, QString &) { return true; }

// qt_error_string() reads a Windows error code there: a C errno goes through the C library.
QString errnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

namespace {

// An exclusive lock on the whole open file for as long as the program has it open.
bool lockForAppending(int handle, QString &why)
{
    OVERLAPPED whole{};
    const HANDLE file = reinterpret_cast<HANDLE>(::_get_osfhandle(handle));
    if (file != INVALID_HANDLE_VALUE && ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return true;
    why = qt_error_string(int(::GetLastError()));
    return false;
}

} // namespace

std::optional<LogRefusal> appendToLog(const QString &path, const QByteArray &, qsizetype firstBytes, const LogBytes &bytesFor,
                                      const QString &notALog)
{
    // The same promise through Qt's file and the system's lock: the header first (bytesFor
    // writes it into the empty file made here), the line whole or cut back, another
    // program's CSV left alone.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return LogRefusal{file.errorString(), std::nullopt};
    if (QString why; !lockForAppending(file.handle(), why))
        return LogRefusal{why, std::nullopt};
    const qint64 size = file.size();
    const QByteArray first = file.read(firstBytes);
    char last = '\n';
    if (size > 0 && !(file.seek(size - 1) && file.getChar(&last)))
        return LogRefusal{file.errorString(), std::nullopt};
    const std::optional<QByteArray> bytes = bytesFor(size, first, last);
    if (!bytes)
        return LogRefusal{notALog, true};
    if (!file.seek(size) || !writeAllOf(file, bytes->constData(), bytes->size()) || !file.flush()) {
        const QString why = file.errorString();
        return LogRefusal{why, file.resize(size)};
    }
    return std::nullopt;
}

namespace {

// The volume and the file index of an existing file: its identity, whatever its name.
bool fileIdentity(const QString &path, BY_HANDLE_FILE_INFORMATION &info)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE file = ::CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    return known;
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return fileIdentity(a, ia) && fileIdentity(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber
           && ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

// (Asking Qt for the file's handle there would keep the file open past close().)
void keepOwner(QFileDevice &, const QString &) {}

bool isLinkLoop(const QString &) { return false; }

bool openUnnamedFile(QFile &, const QString &, QString &) { return false; }

bool nameUnnamedFile(int, const QString &, QString &, QString &why)
{
    why = QStringLiteral("no unnamed files on Windows");
    return false;
}

void failWritesBeyondSizeLimits() {}

namespace {

// The file a signal removes: a plain C string, as a signal handler may read.
char pendingFile[4096];

extern "C" void removePendingAndDie(int signal)
{
    if (pendingFile[0])
        std::remove(pendingFile);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void watchSignals(bool on)
{
    for (int signal : {SIGINT, SIGTERM})
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
