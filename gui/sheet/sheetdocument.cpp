#include "gui/sheet/sheetdocument.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QSettings>

#include "io/gearfile.h"

namespace geardim {
namespace {

const QString kLastInputsKey = QStringLiteral("sheet/lastInputs");
const QString kLastTextsKey = QStringLiteral("sheet/lastTexts");
const QString kRecentKey = QStringLiteral("sheet/recentFiles");
constexpr int kMaxRecent = 8;

} // namespace

SheetDocument::SheetDocument(QObject *parent)
    : QObject(parent)
{
}

void SheetDocument::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit titleChanged();
}

void SheetDocument::setCurrentFile(const QString &path)
{
    currentFile_ = path;
    modified_ = false;
    emit titleChanged();
}

void SheetDocument::startNew()
{
    kept_ = QJsonObject();
    setCurrentFile(QString());
}

FileDone SheetDocument::open(const QString &path)
{
    const FileOutcome<GearDocument> read = readGearFile(path);
    if (!read.ok()) {
        forgetRecent(path); // a file that cannot be opened leaves the list
        return FileDone::refused(read.problem());
    }
    kept_ = read.value().document;
    emit loaded(read.value().input, read.value().drawing);
    setCurrentFile(path);
    rememberRecent(path);
    return {};
}

FileDone SheetDocument::save(const QString &path, const SheetInput &input, const QString &drawing)
{
    const FileDone written = writeGearFile(path, input, kept_, drawing);
    if (!written.ok())
        return written;
    kept_ = gearDocument(input, kept_, drawing);
    setCurrentFile(path);
    rememberRecent(path);
    return written;
}

QStringList SheetDocument::recentFiles() const { return QSettings().value(kRecentKey).toStringList(); }

void SheetDocument::rememberRecent(const QString &path)
{
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxRecent)
        files.removeLast();
    QSettings().setValue(kRecentKey, files);
    emit recentFilesChanged();
}

void SheetDocument::forgetRecent(const QString &path)
{
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0) {
        QSettings().setValue(kRecentKey, files);
        emit recentFilesChanged();
    }
}

std::optional<SheetInput> SheetDocument::rememberedInputs() const
{
    const QByteArray last = QSettings().value(kLastInputsKey).toByteArray();
    if (last.isEmpty())
        return std::nullopt;
    const FileOutcome<GearDocument> read = gearFromDocument(QJsonDocument::fromJson(last).object());
    return read.ok() ? std::optional(read.value().input) : std::nullopt;
}

void SheetDocument::rememberInputs(const SheetInput &input, const QVariantMap &typed)
{
    QSettings settings;
    settings.setValue(kLastInputsKey, QJsonDocument(gearDocument(input)).toJson(QJsonDocument::Compact));
    settings.setValue(kLastTextsKey, typed);
}

QVariantMap SheetDocument::rememberedTexts() const { return QSettings().value(kLastTextsKey).toMap(); }

} // namespace geardim
