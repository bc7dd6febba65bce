#pragma once

#include <QFileDevice>
#include <QString>

// What the program's files need from the system and each system does its own way: a
// rename that replaces the old file in one step, a file's bytes on the disk, the text of
// a C library error number, and a lock for appending to a log.
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

// Holds an exclusive lock on the whole open file for as long as the program has it open
// (flock(), or LockFileEx on Windows); false with the system's reason.
bool lockForAppending(int handle, QString &why);

} // namespace geardim
