#pragma once

#include <map>
#include <optional>
#include <string>

#include <QWidget>

#include "core/pair/pair.h"
#include "gui/toolkit/windowdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The gear pair's window (齿轮副): the shared data, both gears side by side (typed, or
// taken from gear files), the centre distance with its deviations and the face width; the
// table of both gears and the pair's table, the warnings and the two gears in mesh.
namespace geardim {

class MeasurementView;

class PairWindow : public QWidget {
    Q_OBJECT
public:
    explicit PairWindow(QWidget *parent = nullptr);

    // Reads a pair file into the fields and computes; false, the fields as they were, when
    // it is refused (the reason shown).
    bool openFile(const QString &path);
    // Takes gear 1 or 2 from a gear file; false when refused.
    bool loadGear(int which, const QString &path);
    bool saveTo(const QString &path);
    bool exportPdfTo(const QString &path);
    bool isModified() const { return document_.modified(); }
    // The inputs the fields give, or nothing and the reason (the field made current).
    std::optional<PairInput> read(QString &problem) const;

signals:
    void backToMenu();

public slots:
    void computeClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void write(const PairInput &input);
    void showProblem(const QString &text, bool stale);
    void showResult(const PairResult &result);
    void leave();

    std::map<std::string, QLineEdit *> fields_; // by the inputs table's option name
    QTableWidget *gearTable_ = nullptr;
    QTableWidget *pairTable_ = nullptr;
    QLabel *warnings_ = nullptr;
    MeasurementView *picture_ = nullptr;
    std::optional<PairResult> shown_;
    WindowDocument document_;
    bool writing_ = false;
};

} // namespace geardim
