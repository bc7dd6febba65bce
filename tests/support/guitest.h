#pragma once

#include <deque>
#include <optional>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFontDatabase>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/registry.h"

// Under wine the Song face the windows are laid out for on a Chinese Windows PC (SimSun)
// is missing, and its stand-in is wider: a layout measured in it says nothing of the PC's.
inline bool songFaceMissingUnderWine()
{
#if defined(Q_OS_WIN)
    return !QFontDatabase::families().contains(QStringLiteral("SimSun"));
#else
    return false;
#endif
}

// The program's windows under test: the real registry with every window, the
// fonts of the program, warnings and prompt answers recorded instead of shown,
// and a guard that closes any unexpected modal dialog so a test fails instead of hanging.
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    geardim::WindowRegistry registry;
    QStringList warnings;                        // every warning, in order
    QStringList warningTitles;                   // the caption of the window each warning belongs to
    QStringList prompts;                         // every prompt text asked
    QStringList promptInitials;                  // the text each prompt opened with
    std::deque<std::optional<QString>> answers;  // scripted prompt answers; nothing = Cancel
    QStringList unexpectedDialogs;               // modal dialogs the guard had to close
    int programEnds = 0;                         // times the program was asked to end
    std::deque<QString> files;                   // scripted file choices; "" = Cancel
    std::deque<geardim::UnsavedAnswer> unsavedAnswers; // scripted; Discard when none is scripted
    QStringList unsavedAsked;                    // the documents the save question named

    // Opens the program as a user sees it: the menu shown.
    void start();

    QWidget *window(geardim::WindowId id) { return registry.window(id); }
    template <typename T>
    T *control(geardim::WindowId id, const char *name)
    {
        return window(id)->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *field(geardim::WindowId id, const char *name) { return control<QLineEdit>(id, name); }
    QLabel *label(geardim::WindowId id, const char *name) { return control<QLabel>(id, name); }
    QPushButton *button(geardim::WindowId id, const char *name) { return control<QPushButton>(id, name); }
    QRadioButton *option(geardim::WindowId id, const char *name) { return control<QRadioButton>(id, name); }

    // A left click in the middle of a button or option button, as a user makes it.
    void click(geardim::WindowId id, const char *name);
    // Replaces a field's text as a user typing it would.
    void type(geardim::WindowId id, const char *name, const QString &text);
    QString text(geardim::WindowId id, const char *name);

    // The top-level windows of the program that are visible now.
    QStringList visibleWindows() const;

private:
    QTimer modalGuard_;
};
