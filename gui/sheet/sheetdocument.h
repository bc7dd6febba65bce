#pragma once

#include <optional>

#include <QJsonObject>
#include <QObject>
#include <QVariantMap>
#include <QString>
#include <QStringList>

#include "core/gear/gear.h"
#include "io/fileoutcome.h"

namespace geardim {

// The sheet as a document: the gear file it was opened from or saved to, whether it has
// changed since, the recent files and the inputs remembered for the next start.
class SheetDocument : public QObject {
    Q_OBJECT
public:
    explicit SheetDocument(QObject *parent = nullptr);

    const QString &currentFile() const { return currentFile_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // A new, unnamed document.
    void startNew();
    // Reads a gear file: loaded() gives its inputs. A file that cannot be read leaves the
    // recent files, and the document as it was.
    FileDone open(const QString &path);
    // Writes the inputs to a gear file, keeping the keys a newer version wrote.
    FileDone save(const QString &path, const SheetInput &input, const QString &drawing = QString());

    QStringList recentFiles() const;
    // The inputs of the last run, if any were remembered.
    std::optional<SheetInput> rememberedInputs() const;
    // With the fields' texts as typed, which the window shows again when they mean the same.
    void rememberInputs(const SheetInput &input, const QVariantMap &typed = {});
    QVariantMap rememberedTexts() const;

signals:
    void loaded(const SheetInput &input, const QString &drawing);
    void titleChanged(); // the file or the modified mark
    void recentFilesChanged();

private:
    void setCurrentFile(const QString &path);
    void rememberRecent(const QString &path);
    void forgetRecent(const QString &path);

    QString currentFile_;
    bool modified_ = false;
    QJsonObject kept_; // the document last read or saved, with keys of newer versions
};

} // namespace geardim
