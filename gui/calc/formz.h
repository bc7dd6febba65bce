#pragma once

#include "gui/toolkit/calculatorwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace geardim {

struct GearData;
struct MValueResult;

// The M-value window: from one gear's data it shows the dimension over (or between)
// two pins or balls, the tooth thickness and, for external gears, the base tangent
// length and span count; it also proposes a pin and checks it against the root circle.
class Formz : public CalculatorWindow {
    Q_OBJECT
public:
    explicit Formz(QWidget *parent = nullptr);

    void computeClicked();   // Command1 "确  定"
    void exitClicked() override; // Command2 "退  出"
    void estimateClicked();  // Command3: propose a pin or ball diameter
    void continueClicked();  // Command4 "继  续"
    void checkClicked();     // Command5: check the pin against the root circle

private:
    // Tooltips on M and k where the inspection sheet, with pins, gives other figures.
    void explainSheetDifferences(const GearData &gear, const MValueResult &r);
    // Result labels and the thickness caption the handlers write; Label10 names the M value.
    QLabel *Label7, *Label10, *Label11, *Label12, *Label13, *Label15, *Label16;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5;
    QRadioButton *Opwc;
};

} // namespace geardim
