#include "gui/toolkit/formbuilder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

#include "gui/toolkit/caption.h"
#include "gui/toolkit/fonts.h"
#include "gui/toolkit/resultlabel.h"

namespace geardim {
namespace {

QWidget *createControl(QWidget *window, const char *className, const ControlRow &c)
{
    // Captions are marked for translation in their tables, by the window's class name.
    const QString text = QCoreApplication::translate(className, c.text);
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::Result: {
        QLabel *label = c.kind == ControlKind::Result ? new ResultLabel(text, window) : new QLabel(text, window);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Field:
        return new QLineEdit(text, window);
    case ControlKind::Button: {
        auto *button = new WrapButton(text, window);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Option: {
        auto *option = new QRadioButton(text, window);
        option->setChecked(c.state.checked);
        return option;
    }
    }
    return nullptr;
}

} // namespace

void missingControl(const QWidget *window, const char *name)
{
    qFatal("window %s has no control named %s of the kind its code expects",
           qPrintable(window->objectName()), name);
}

void buildForm(QWidget *window, const FormTable &form)
{
    window->setObjectName(QString::fromLatin1(form.className));
    window->setWindowTitle(QCoreApplication::translate(form.className, form.caption));
    window->setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
    if (form.pointSize > 0)
        window->setFont(songFont(form.pointSize));

    QWidget *previous = nullptr;
    for (const ControlRow &c : form.controls) {
        QWidget *control = createControl(window, form.className, c);
        control->setObjectName(QString::fromLatin1(c.name));
        control->setGeometry(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                             twipsToPixels(c.height));
        if (c.pointSize > 0)
            control->setFont(songFont(c.pointSize));
        control->setEnabled(c.state.enabled);
        // A CJK face can be taller, and its Latin letters wider, than the face a
        // caption was designed for: labels and option buttons grow to the right
        // and downwards to fit their caption, keeping their designed place.
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Option) {
            const QSize hint = control->sizeHint();
            control->resize(std::max(control->width(), hint.width()),
                            std::max(control->height(), control->fontMetrics().height()));
        }
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
    // Each field is named for screen readers and warnings by its caption label.
    for (const ControlRow &c : form.controls) {
        if (!c.names)
            continue;
        auto *label = window->findChild<QLabel *>(QString::fromLatin1(c.name));
        auto *field = window->findChild<QWidget *>(QString::fromLatin1(c.names));
        if (label && field) {
            label->setBuddy(field);
            field->setAccessibleName(label->text().trimmed());
        }
    }
}

} // namespace geardim
