#pragma once

#include "gui/toolkit/calculatorwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace geardim {

// Finds the profile-shift coefficient from a measured tooth thickness: the arc
// thickness of a spur gear or the normal chordal thickness of a helical gear.
class Forhch : public CalculatorWindow {
    Q_OBJECT
public:
    explicit Forhch(QWidget *parent = nullptr);

    void computeClicked();   // Command1 "确 定"
    void exitClicked() override; // Command2 "退 出"
    void continueClicked();  // Command3 "继 续"

private:
    QLabel *Label9;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1, *Command2, *Command3;
    QRadioButton *Opwc;
};

} // namespace geardim
