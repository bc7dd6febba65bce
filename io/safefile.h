#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "io/fileoutcome.h"

// Files the program reads and writes, checked before they are touched: a user's file is
// replaced all or nothing, and nothing that is not a regular file is read or replaced.
namespace geardim {

// Why a file cannot be written at path: it is a folder, or something other than a
// regular file (a device node, a FIFO, a socket), which a save would replace with a
// regular file, or a link that leads nowhere (dangling, or a loop). Done when path is a
// regular file, a link to one, or nothing yet.
FileDone checkOutputTarget(const QString &path);

// Why path cannot be read as a file: it is missing, a folder, or not a regular file (a
// FIFO would block the program for ever, a device node would never end).
FileDone checkInputSource(const QString &path);

// Writes bytes to path all or nothing: into a temporary file beside it, renamed over
// the old file only when every byte is on the disk. Refused with the system's
// reason ("No space left on device", in the language of Qt's texts); the old file, if
// any, is then as it was.
FileDone writeWholeFile(const QString &path, const QByteArray &bytes);

// Writes every byte, going on after a short write so that a failure comes with the
// device's reason (errorString()); false on failure.
bool writeAllOf(QIODevice &device, const char *data, qint64 size);

// writeWholeFile, its failure said for the user: failed is the translated message with
// %1 for the file's name, %2 the reason and %3 the note that the old file is unchanged.
FileDone saveWholeFile(const QString &path, const QByteArray &bytes, const QString &failed);

// What the user is told after a failed write: that the old file is unchanged, when there
// was one. existed is whether path named a file before the write.
QString oldFileNote(bool existed);

} // namespace geardim
