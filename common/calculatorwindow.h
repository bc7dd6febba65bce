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

    // The exit button: back to the menu.
    virtual void exitClicked() = 0;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape acts as the exit button.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace geardim
