#pragma once

#include <optional>

#include "gui/toolkit/calculatorwindow.h"

#include "core/solvers/shiftfromspan.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace geardim {

// From a measured base tangent length: estimates the span count and finds the
// profile-shift coefficient for the span count the user types.
class Forgfxqx : public CalculatorWindow {
    Q_OBJECT
public:
    explicit Forgfxqx(QWidget *parent = nullptr);

    void estimateClicked();  // Command1: the span count that belongs to L
    void computeClicked();   // Command2 "确 定": x
    void continueClicked();  // Command3 "继 续"
    void exitClicked() override; // Command4 "退 出"

private:
    // The presence check and the parsing both buttons share; L to the given precision.
    std::optional<SpanMeasurement> readInputs(bool lengthInDouble);

    QLabel *Label8, *Label10;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QPushButton *Command1, *Command2, *Command3, *Command4;
};

} // namespace geardim
