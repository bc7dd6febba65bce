#pragma once

#include <QWidget>

#include "gui/toolkit/registry.h"

class QPushButton;

namespace geardim {

// The menu: opens each calculator and ends the program.
class Formain : public QWidget {
    Q_OBJECT
public:
    explicit Formain(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Hides the menu and shows the calculator, once that calculator can be made.
    void open(WindowId calculator);

    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;
    QPushButton *pairButton; // the gear pair
};

} // namespace geardim
