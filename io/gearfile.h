#pragma once

#include <optional>

#include <QJsonObject>
#include <QString>

#include "core/gear/gear.h"
#include "io/fileoutcome.h"

// Gear files (.gear): UTF-8 JSON holding the inspection sheet's inputs only,
//   {"format": "geardim-gear", "version": 1, "gear": {...}, "allowances": {...}, "gauge": {...}}
// with the names of the command line's JSON.
namespace geardim {

inline constexpr qint64 kMaxGearFileBytes = 1024 * 1024;

// A gear read from a file, with the whole document, so that keys a newer minor
// version wrote are written back when the gear is saved again.
struct GearDocument {
    SheetInput input;
    QJsonObject document;
    QString drawing; // the drawing number (record.drawing); empty when none
    bool upperGiven = false, lowerGiven = false; // the allowances stand in the file (they win over a code)
};

// The JSON object of a file of the program (a gear or spline file): refused, with the
// reason, when it is not a regular file, larger than 1 MiB (tooLarge, unread), not JSON or
// cut short, or not an object (notThisKind). Numbers too small for a double read as 0.
FileOutcome<QJsonObject> readJsonFile(const QString &path, const QString &tooLarge, const QString &notThisKind);

// Reads a gear file. Refuses, with the reason, a file larger than 1 MiB (unread),
// one that is not JSON or is cut short, not a gear file, of a newer major version,
// with a value of the wrong type or out of range.
FileOutcome<GearDocument> readGearFile(const QString &path);

// The gear as a document: kept is a document read earlier, whose unknown keys stay.
// A drawing number goes in as record.drawing, and makes the file version 1.1.
QJsonObject gearDocument(const SheetInput &input, const QJsonObject &kept = QJsonObject(), const QString &drawing = QString());

// The gear read from a document; the problem without the file's name.
FileOutcome<GearDocument> gearFromDocument(const QJsonObject &document);

// Writes the gear atomically: all of the new file or none of it, the old one
// untouched on failure; the problem names the file.
FileDone writeGearFile(const QString &path, const SheetInput &input, const QJsonObject &kept = QJsonObject(),
                       const QString &drawing = QString());

} // namespace geardim
