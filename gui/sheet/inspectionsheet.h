#pragma once

#include <optional>

#include <QJsonObject>
#include <QMainWindow>
#include <QStringList>

#include "core/sheet/sheetcalculation.h"

class QLabel;
class QMenu;
class QPagedPaintDevice;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace geardim {

class MeasurementView;

// The inspection sheet window: the gear's data, allowances and gauge in a form; every
// inspection dimension with its limits in a table; the calculation's warnings beside
// it. Laid out with Qt layouts, resizable, fitting an 800×600 screen.
class InspectionSheet : public QMainWindow {
    Q_OBJECT
public:
    explicit InspectionSheet(QWidget *parent = nullptr);

    // Reads the form, computes and shows the sheet, or says in the window why not.
    void computeClicked();
    // Back to the menu, after asking about unsaved changes; the window keeps what it shows.
    void exitClicked();

    // The File menu: each asks about unsaved changes where they would be lost.
    void newGear();
    void openGear();
    bool openGearFile(const QString &path); // false, with a warning naming the file, when refused
    bool saveGear();
    bool saveGearAs();
    bool saveGearTo(const QString &path);   // false, with a warning naming the file, on failure
    void printSheet();
    void exportPdf();
    bool exportPdfTo(const QString &path);
    // The Edit menu: the result table as tab-separated text and HTML.
    void copyTable();

    // The sheet last shown, if any.
    const std::optional<SheetResult> &shown() const { return shown_; }
    // The inputs of a new gear, as a fresh window shows them: the worked example.
    static SheetInput newGearInputs();
    const QString &currentFile() const { return currentFile_; }
    QStringList recentFiles() const;

    // Paints the sheet of the current inputs on a printer; false when they have no sheet.
    bool printTo(QPagedPaintDevice &printer);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Why the inputs could not be read, and the field to correct.
    struct InputProblem {
        QString text;
        QLineEdit *field = nullptr;
    };
    // The inputs as typed, or nothing and the problem; changes nothing on screen.
    std::optional<SheetInput> parseInputs(InputProblem &problem) const;
    // The same for a save: the problem in a warning box, its field selected.
    std::optional<SheetInput> readInputs();
    void writeInputs(const SheetInput &in);
    void showSheet(const SheetResult &sheet);
    // Greys the table and clears the picture: they no longer belong to the inputs, and
    // copy, print and PDF refuse them with this reason.
    void greyOut(const QString &reason);
    void showMessage(const QString &text, bool problem);
    // The sheet of the inputs as they stand, computed anew; nothing (said in the window) without one.
    std::optional<std::pair<SheetInput, SheetResult>> currentSheet();
    // True when nothing unsaved would be lost, after asking and perhaps saving.
    bool maySetAside();
    void setCurrentFile(const QString &path);
    void markModified();
    void rememberRecent(const QString &path);
    void forgetRecent(const QString &path);
    void rebuildRecentMenu();
    void rememberInputs();  // the inputs as they stand, read quietly
    void storeInputs(const SheetInput &in);
    void buildMenus();

    QLineEdit *module, *diametralPitch, *teeth, *pressureAngle, *helixAngle, *shift, *thickness, *addendum,
        *tipDiameter, *allowanceUpper, *allowanceLower, *gaugeDiameter, *faceWidth, *spanTeeth;
    QRadioButton *external, *internal, *balls, *pins;
    QPushButton *compute;
    QTableWidget *results;
    MeasurementView *picture;
    QLabel *warnings;
    std::optional<SheetResult> shown_;
    QString stale_;         // why the table shown is not the inputs' sheet; empty when it is
    QString currentFile_;
    QJsonObject kept_;      // the document last read or saved, with keys of newer versions
    QMenu *recentMenu_ = nullptr;
    bool loading_ = false;  // fields are being filled from a file: not a user's change
};

} // namespace geardim
