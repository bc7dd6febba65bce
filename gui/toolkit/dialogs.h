#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

class QInputDialog;
class QMessageBox;
class QWidget;

// The two modal interactions of the program: a warning and the one-line prompt.
// Tests redirect both to record what would have been shown.
namespace geardim {

// A modal warning titled with the window's caption.
void showWarning(QWidget *window, const QString &text);

// A modal prompt with one line holding initial; nothing when the user cancels.
std::optional<QString> askText(QWidget *window, const QString &title, const QString &prompt,
                               const QString &initial = QString());

// The dialogs themselves, with Chinese button texts, not yet shown.
std::unique_ptr<QMessageBox> makeWarningBox(QWidget *window, const QString &text);
std::unique_ptr<QInputDialog> makePrompt(QWidget *window, const QString &title, const QString &prompt);

// A file to open or save, chosen in the standard dialog; empty when cancelled.
enum class FileChoice { Open, Save };
QString chooseFile(QWidget *window, FileChoice choice, const QString &title, const QString &filter,
                   const QString &suggested = QString());

// The question before unsaved changes are lost: 保存, 不保存 or 取消.
enum class UnsavedAnswer { Save, Discard, Cancel };
UnsavedAnswer askUnsavedChanges(QWidget *window, const QString &documentName);

using WarningSink = std::function<void(QWidget *window, const QString &text)>;
using PromptSink = std::function<std::optional<QString>(QWidget *window, const QString &title,
                                                         const QString &prompt, const QString &initial)>;

using FileSink = std::function<QString(QWidget *window, FileChoice choice, const QString &suggested)>;
using UnsavedSink = std::function<UnsavedAnswer(QWidget *window, const QString &documentName)>;

// An empty sink restores the real dialog.
void setWarningSink(WarningSink sink);
void setPromptSink(PromptSink sink);
void setFileSink(FileSink sink);
void setUnsavedSink(UnsavedSink sink);

} // namespace geardim
