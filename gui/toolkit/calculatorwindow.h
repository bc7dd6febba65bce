#pragma once

#include <QWidget>

// What every calculator window shares: the frame's close control acts as the
// window's exit button, which returns to the menu, so the menu is never left
// hidden with no window shown.
namespace geardim {

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The exit button: clears what the window clears on leaving, then says finished().
    virtual void exitClicked() = 0;

signals:
    // The window is done: the application hides it and shows the menu where it was.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape acts as the exit button.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace geardim
