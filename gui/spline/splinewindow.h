#pragma once

#include <optional>
#include <vector>

#include <QWidget>

#include "core/spline/spline.h"
#include "core/spline/splineinputs.h"
#include "gui/toolkit/windowdocument.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace geardim {

class MeasurementView;

// The spline window: the designation as the drawing writes it, the pin, the spline length
// and (for DIN 5480) the typed deviations; the designation read back, every dimension with
// its actual and effective limits in a table, the warnings, and the picture of the pins in
// the spline. Laid out with Qt layouts, resizable.
class SplineWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplineWindow(QWidget *parent = nullptr);

    // Reads the fields, computes and shows the spline, or says in the window why not.
    void computeClicked();

    const std::optional<SplineResult> &shown() const { return shown_; }

    // 打开… 保存… 导出 PDF…: each asks for the file, then calls the one below, which says in
    // the window what it did or why it could not.
    void openClicked();
    void saveClicked();
    void exportPdfClicked();
    bool openFile(const QString &path);
    bool saveTo(const QString &path);
    bool exportPdfTo(const QString &path);
    // Whether the spline's inputs changed since they were opened or saved (the measured value
    // is the part's and does not count).
    bool isModified() const { return document_.modified(); }
    // 偏差表…: the shop's allowance table, shared with the inspection sheet, from which a
    // DIN 5480 designation without typed deviations takes them by its tolerance and dB.
    void chooseAllowanceTable();

signals:
    // 返  回 or closing the window: back to the menu.
    void backToMenu();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showProblem(const QString &text, bool stale = true);
    void showNote(const QString &text);
    // Back to the menu, once unsaved changes are saved or let go.
    void leave();
    // The field of a number of the inputs table, by its option name.
    QLineEdit *numberField(const char *name) const;
    // The fields as a file takes them (their numbers read), or none with the reason shown.
    std::optional<SplineFields> readFields();

    WindowDocument document_;
    QLineEdit *designation;
    std::vector<QLineEdit *> numbers; // in the order of the spline's inputs table
    QLabel *heading, *warnings;
    QTableWidget *results;
    MeasurementView *picture;
    std::optional<SplineResult> shown_;
};

} // namespace geardim
