#include "common/dialogs.h"

#include <QInputDialog>
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

std::unique_ptr<QMessageBox> makeWarningBox(QWidget *window, const QString &text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, window ? window->windowTitle() : QString(), text,
                                             QMessageBox::NoButton, window);
    box->setDefaultButton(box->addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    return box;
}

std::unique_ptr<QInputDialog> makePrompt(QWidget *window, const QString &title, const QString &prompt)
{
    auto dialog = std::make_unique<QInputDialog>(window);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(QString());
    dialog->setOkButtonText(QStringLiteral("确定"));
    dialog->setCancelButtonText(QStringLiteral("取消"));
    return dialog;
}

void showWarning(QWidget *window, const QString &text)
{
    if (warningSink()) {
        warningSink()(window, text);
        return;
    }
    makeWarningBox(window, text)->exec();
}

std::optional<QString> askText(QWidget *window, const QString &title, const QString &prompt,
                               const QString &initial)
{
    if (promptSink())
        return promptSink()(window, title, prompt, initial);
    const auto dialog = makePrompt(window, title, prompt);
    dialog->setTextValue(initial);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

void setWarningSink(WarningSink sink) { warningSink() = std::move(sink); }
void setPromptSink(PromptSink sink) { promptSink() = std::move(sink); }

} // namespace geardim
