#include "gui/toolkit/windowdocument.h"

#include <QFileInfo>
#include <QLineEdit>

#include "gui/toolkit/dialogs.h"

namespace geardim {

QString chooseSavePath(QWidget *window, const QString &title, const QString &filter, const QString &suggested,
                       const QString &suffix)
{
    QString path = chooseFile(window, FileChoice::Save, title, filter, suggested);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += suffix;
    return path;
}

WindowDocument::WindowDocument(QWidget *window, Kind kind, std::function<bool(const QString &)> save)
    : window_(window), kind_(std::move(kind)), save_(std::move(save))
{
}

void WindowDocument::watch(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, window_, [this] { modified_ = true; });
}

QString WindowDocument::chooseSavePath() const
{
    return geardim::chooseSavePath(window_, kind_.saveTitle, kind_.filter, kind_.suggested, kind_.suffix);
}

bool WindowDocument::saveAs()
{
    const QString path = chooseSavePath();
    return !path.isEmpty() && save_(path);
}

bool WindowDocument::maySwitch()
{
    if (!modified_)
        return true;
    switch (askUnsavedChanges(window_, kind_.name)) {
    case UnsavedAnswer::Cancel: return false;
    case UnsavedAnswer::Discard: modified_ = false; return true;
    case UnsavedAnswer::Save: return saveAs();
    }
    return false;
}

} // namespace geardim
