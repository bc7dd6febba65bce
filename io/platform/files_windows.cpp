#include "io/platform/files.h"

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

bool lockForAppending(int handle, QString &why)
{
    OVERLAPPED whole{};
    const HANDLE file = reinterpret_cast<HANDLE>(::_get_osfhandle(handle));
    if (file != INVALID_HANDLE_VALUE && ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return true;
    why = qt_error_string(int(::GetLastError()));
    return false;
}

} // namespace geardim
