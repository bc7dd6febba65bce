#pragma once

#include <functional>
#include <optional>

#include <QString>

class QWidget;

// The two modal interactions of the program: a warning and the one-line prompt.
// Tests redirect both to record what would have been shown.
namespace geardim {

// A modal warning titled with the window's caption.
void showWarning(QWidget *window, const QString &text);

// A modal prompt with one empty line; nothing when the user cancels.
std::optional<QString> askText(QWidget *window, const QString &title, const QString &prompt);

using WarningSink = std::function<void(QWidget *window, const QString &text)>;
using PromptSink = std::function<std::optional<QString>(QWidget *window, const QString &title,
                                                         const QString &prompt)>;

// An empty sink restores the real dialog.
void setWarningSink(WarningSink sink);
void setPromptSink(PromptSink sink);

} // namespace geardim
