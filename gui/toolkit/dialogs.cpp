#include "gui/toolkit/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QMessageBox>

namespace geardim {
namespace {

// Each kind of sink lives once; an empty one means the real dialog.
template <typename Sink>
Sink &sink()
{
    static Sink installed;
    return installed;
}

} // namespace

std::unique_ptr<QMessageBox> makeWarningBox(QWidget *window, const QString &text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, window ? window->windowTitle() : QString(), text,
                                             QMessageBox::NoButton, window);
    box->setDefaultButton(box->addButton(QCoreApplication::translate("Dialogs", "确定"), QMessageBox::AcceptRole));
    return box;
}

std::unique_ptr<QInputDialog> makePrompt(QWidget *window, const QString &title, const QString &prompt)
{
    auto dialog = std::make_unique<QInputDialog>(window);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(QString());
    dialog->setOkButtonText(QCoreApplication::translate("Dialogs", "确定"));
    dialog->setCancelButtonText(QCoreApplication::translate("Dialogs", "取消"));
    return dialog;
}

void showWarning(QWidget *window, const QString &text)
{
    if (sink<WarningSink>()) {
        sink<WarningSink>()(window, text);
        return;
    }
    makeWarningBox(window, text)->exec();
}

std::optional<QString> askText(QWidget *window, const QString &title, const QString &prompt,
                               const QString &initial)
{
    if (sink<PromptSink>())
        return sink<PromptSink>()(window, title, prompt, initial);
    const auto dialog = makePrompt(window, title, prompt);
    dialog->setTextValue(initial);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

QString chooseFile(QWidget *window, FileChoice choice, const QString &title, const QString &filter,
                   const QString &suggested)
{
    if (sink<FileSink>())
        return sink<FileSink>()(window, choice, suggested);
    return choice == FileChoice::Open ? QFileDialog::getOpenFileName(window, title, suggested, filter)
                                      : QFileDialog::getSaveFileName(window, title, suggested, filter);
}

UnsavedAnswer askUnsavedChanges(QWidget *window, const QString &documentName)
{
    if (sink<UnsavedSink>())
        return sink<UnsavedSink>()(window, documentName);
    QMessageBox box(QMessageBox::Question, window ? window->windowTitle() : QString(),
                    QCoreApplication::translate("Dialogs", "“%1”已修改。是否保存？").arg(documentName), QMessageBox::NoButton, window);
    QPushButton *save = box.addButton(QCoreApplication::translate("Dialogs", "保存"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QCoreApplication::translate("Dialogs", "不保存"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QCoreApplication::translate("Dialogs", "取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedAnswer::Save;
    if (box.clickedButton() == discard)
        return UnsavedAnswer::Discard;
    return UnsavedAnswer::Cancel;
}

void setFileSink(FileSink replacement) { sink<FileSink>() = std::move(replacement); }
void setUnsavedSink(UnsavedSink replacement) { sink<UnsavedSink>() = std::move(replacement); }

void setWarningSink(WarningSink replacement) { sink<WarningSink>() = std::move(replacement); }
void setPromptSink(PromptSink replacement) { sink<PromptSink>() = std::move(replacement); }

} // namespace geardim
