#include "common/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace geardim {
namespace {

WarningSink &warningSink()
{
    static WarningSink sink;
    return sink;
}

PromptSink &promptSink()
{
    static PromptSink sink;
    return sink;
}

} // namespace

void showWarning(QWidget *window, const QString &text)
{
    if (warningSink()) {
        warningSink()(window, text);
        return;
    }
    QMessageBox::warning(window, window ? window->windowTitle() : QString(), text);
}

std::optional<QString> askText(QWidget *window, const QString &title, const QString &prompt)
{
    if (promptSink())
        return promptSink()(window, title, prompt);
    bool accepted = false;
    const QString answer = QInputDialog::getText(window, title, prompt, QLineEdit::Normal, QString(), &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

void setWarningSink(WarningSink sink) { warningSink() = std::move(sink); }
void setPromptSink(PromptSink sink) { promptSink() = std::move(sink); }

} // namespace geardim
