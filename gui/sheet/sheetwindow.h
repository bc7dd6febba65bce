#pragma once

#include <optional>

#include <QMainWindow>
#include <QStringList>

#include "core/gear/gear.h"
#include "gui/sheet/sheetform.h"
#include "io/workpiecelog.h"

#include <map>

class QLabel;
class QLineEdit;
class QTableWidgetItem;
class QMenu;
class QPagedPaintDevice;
class QTableWidget;

namespace geardim {

class MeasurementView;
class SheetDocument;

// The inspection sheet window: the form of the gear's data, allowances and gauge; every
// inspection dimension with its limits in a table and the picture of the measurement;
// the calculation's warnings beneath. It joins the form to the document (the gear file,
// its modified mark, the recent files) and shows what the core computes. Laid out with
// Qt layouts, resizable, fitting an 800×600 screen.
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
    bool saveGearTo(const QString &path);   // false, with a warning naming the file or field, on failure
    void printSheet();
    void exportPdf();
    bool exportPdfTo(const QString &path);
    // The Edit menu: the result table as tab-separated text and HTML.
    void copyTable();
    // 记录 (Ctrl+R): appends the workpiece, with its measured values and verdicts, to the
    // inspection log (asked for once, then remembered).
    void recordWorkpiece();

    // The sheet last shown, if any.
    const std::optional<SheetResult> &shown() const { return shown_; }
    QString currentFile() const;
    QStringList recentFiles() const;
    // The inputs of a new gear, as a fresh window shows them: the worked example.
    static SheetInput newGearInputs();

    // Paints the sheet of the current inputs on a printer; false when they have no sheet.
    bool printTo(QPagedPaintDevice &printer);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showSheet(const SheetResult &sheet);
    // A measured cell was typed in: that row's actual allowance and verdict anew.
    void measuredEdited(QTableWidgetItem *item);
    void judgeRow(MeasuredDimension dimension);
    // The form's inputs with the allowance code applied and the measured values of the
    // table; nothing and the problem (its field, where it has one) when they have none.
    std::optional<SheetInput> inputsForSheet(SheetForm::Problem &problem) const;
    // 设置 → 齿厚偏差表…: the shop's allowance table, remembered.
    void chooseAllowanceTable();
    // 文件 → 导出齿轮参数表…: the drawing's gear data table as DXF, SVG or CSV.
    void exportDataTable();
    // The inputs with the measured values typed in the table.
    SheetInput withMeasured(SheetInput in) const;
    InspectionRecord record() const;
    // Greys the table and clears the picture: they no longer belong to the inputs, and
    // copy, print and PDF refuse them with this reason.
    void greyOut(const QString &reason);
    void showMessage(const QString &text, bool problem);
    // The sheet of the inputs as they stand, computed anew and shown; nothing, said in a
    // box, when they have none.
    std::optional<SheetResult> sheetToPutOut();
    // True when nothing unsaved would be lost, after asking and perhaps saving.
    bool maySetAside();
    void updateTitle();
    void rebuildRecentMenu();
    void buildMenus();

    SheetForm *form;
    SheetDocument *document;
    QTableWidget *results;
    MeasurementView *picture;
    QLabel *warnings;
    QMenu *recentMenu_ = nullptr;
    std::optional<SheetResult> shown_;
    QString stale_; // why the table shown is not the inputs' sheet; empty when it is
    QLineEdit *drawingNumber, *partNumber, *inspector, *gaugeNumber;
    std::map<MeasuredDimension, double> measured_;  // the values typed in the 实测 column
    std::map<MeasuredDimension, QString> measuredTexts_; // as typed (44.80 stays 44.80)
    std::map<MeasuredDimension, int> measuredRows_; // where each stands in the table
};

} // namespace geardim
