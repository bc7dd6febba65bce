#pragma once

#include <QFile>
#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// What the program's files need from the system and each system does its own way: a
// rename that replaces the old file in one step, a file's bytes on the disk, the text of
// a C library error number, a lock for appending to a log, the identity of a file, its
// owner, a file without a name, and a write beyond a file-size limit that fails.
namespace geardim {

// Puts the file from in the place of to, replacing what was there in one step: POSIX
// rename(), or MoveFileEx with MOVEFILE_REPLACE_EXISTING on Windows (whose rename() does
// not replace). False with the system's reason.
bool replaceFile(const QString &from, const QString &to, QString &why);

// Every byte written to the open file on the disk: fsync() on its handle. On Windows the
// file's handle is left alone (asking Qt for it there keeps the file open past close(), and
// an open file cannot be renamed): replaceFile flushes the file by its name instead.
bool syncToDisk(QFileDevice &file, QString &why);

// The text of a C library error number (errno), in the language of Qt's texts where the
// system has it.
QString errnoText(int error);

// Why an append to a log did not happen; oldKept where the log is known to be as it was.
struct LogRefusal {
    QString why;
    std::optional<bool> oldKept;
};
// What goes into a log of size bytes, given its first bytes and its last one; nothing when
// the file is no log to append to.
using LogBytes = std::function<std::optional<QByteArray>(qint64 size, const QByteArray &first, char last)>;

// Appends to the log at path what bytesFor gives, under an exclusive lock on the whole file
// (flock(), or LockFileEx on Windows), so two programs never interleave a line. Where there
// is no log yet, one is first made holding newLog and linked into place (POSIX), so nobody
// appends before its header. firstBytes of the log are read for bytesFor; where it gives
// nothing, the refusal is notALog and the log is left alone. A write that fails half done is
// cut back to the length the log had.
std::optional<LogRefusal> appendToLog(const QString &path, const QByteArray &newLog, qsizetype firstBytes,
                                      const LogBytes &bytesFor, const QString &notALog);

// Whether two paths name the same existing file, through any name, link or hard link:
// the same device and inode (POSIX), the same volume and file index (Windows).
bool sameFile(const QString &a, const QString &b);

// Gives the open file the owner and group of the file at path, where there is one and the
// program may (it runs as root in services): a replaced file stays its owner's. Nothing on
// Windows, whose files keep no such owner to hand on.
void keepOwner(QFileDevice &file, const QString &path);

// Whether path is a symbolic link that leads round in a loop (not only to nowhere).
bool isLinkLoop(const QString &path);

// Opens file as a file without a name in folder, for reading and writing, unbuffered
// (O_TMPFILE): nothing is left behind if the program dies before it is named. False where
// the system or the file system has none (Windows, older file systems; why empty: a named
// temporary file serves there), or with the reason it could not be opened.
bool openUnnamedFile(QFile &file, const QString &folder, QString &why);

// Gives the unnamed file the permissions and owner of target (or those of a new file), and
// a hidden name beside target (returned in named), from which a rename puts it in place.
bool nameUnnamedFile(int handle, const QString &target, QString &named, QString &why);

// A write beyond a file-size limit fails with its reason (EFBIG) instead of ending the
// program (SIGXFSZ), so that every writer keeps the old file and says why. Windows has no
// such limit or signal: nothing to do there.
void failWritesBeyondSizeLimits();

// Until forgotten, a signal that ends the program (Ctrl+C, a kill; on POSIX also a closed
// terminal or pipe) first removes the file at path (its encoded name), then ends the program
// as it would have: a half-written temporary file is not left behind. A name too long for the
// handler's buffer is not watched.
void removeFileOnFatalSignal(const QByteArray &path);
void forgetFileOnFatalSignal();

} // namespace geardim
