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

using WarningSink = std::function<void(QWidget *window, const QString &text)>;
using PromptSink = std::function<std::optional<QString>(QWidget *window, const QString &title,
                                                         const QString &prompt, const QString &initial)>;

// An empty sink restores the real dialog.
void setWarningSink(WarningSink sink);
void setPromptSink(PromptSink sink);

} // namespace geardim
