#pragma once

#include <optional>

#include <QMainWindow>

#include "sheet/inspection.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace geardim {

// The inspection sheet window: the gear's data, allowances and gauge in a form; every
// inspection dimension with its limits in a table; the calculation's warnings beside
// it. Laid out with Qt layouts, resizable, fitting an 800×600 screen.
class InspectionSheet : public QMainWindow {
    Q_OBJECT
public:
    explicit InspectionSheet(QWidget *parent = nullptr);

    // Reads the form, computes and shows the sheet, or says in the window why not.
    void computeClicked();
    // Back to the menu; the window keeps what it shows.
    void exitClicked();

    // The sheet last shown, if any.
    const std::optional<SheetResult> &shown() const { return shown_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The inputs as typed, or nothing (with the field named in the window) when one is not a number.
    std::optional<SheetInput> readInputs();
    void showSheet(const SheetResult &sheet);
    void showMessage(const QString &text, bool problem);

    QLineEdit *module, *diametralPitch, *teeth, *pressureAngle, *helixAngle, *shift, *thickness, *addendum,
        *tipDiameter, *allowanceUpper, *allowanceLower, *gaugeDiameter, *faceWidth;
    QRadioButton *external, *internal, *balls, *pins;
    QPushButton *compute;
    QTableWidget *results;
    QLabel *warnings;
    std::optional<SheetResult> shown_;
};

} // namespace geardim
