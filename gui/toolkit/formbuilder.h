#pragma once

#include <span>

#include <QString>
#include <QWidget>

// Windows are declared as tables of controls in twips and built by one function.
namespace geardim {

enum class ControlKind {
    Label,   // a caption or heading
    Result,  // a label that shows a result; selectable and copyable (ResultLabel)
    Field,   // a one-line text field
    Button,  // a push button
    Option,  // an option button; those of one window form one exclusive group
};

// A control's state when its window is created.
struct ControlState {
    bool enabled = true;
    bool checked = false;  // for option buttons
};

// One control of a window's table.
struct ControlRow {
    const char *name;      // design name, also the objectName
    ControlKind kind;
    const char *text;      // caption or default text, UTF-8
    int left, top, width, height; // twips
    double pointSize = 0;  // "宋体" at this size; 0 keeps the window's font
    const char *names = nullptr; // for a caption label: the field it names
    ControlState state = {};
};

// A window: its caption, fixed client size, font and the table of its controls.
struct FormTable {
    const char *className;  // the window's objectName
    const char *caption;    // window title, UTF-8
    int clientWidth, clientHeight; // twips; the client area is fixed
    double pointSize;       // "宋体" at this size for the whole window; 0 keeps the default
    std::span<const ControlRow> controls; // in tab order
};

// 15 twips to one device-independent pixel.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

// Creates every control of the table as a child of window, sets the window's
// caption, fixed client size and font, and the tab order of the table.
void buildForm(QWidget *window, const FormTable &form);

// Stops the program with a message: a window's code names a control its table lacks.
[[noreturn]] void missingControl(const QWidget *window, const char *name);

// A control of a built window, by its design name. A name the table does not hold,
// or a control of another kind, stops the program at construction.
template <typename T>
void bindControl(QWidget *window, T *&member, const char *name)
{
    member = window->findChild<T *>(QString::fromLatin1(name));
    if (!member)
        missingControl(window, name);
}

} // namespace geardim
