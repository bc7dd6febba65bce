#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include <QString>
#include <QVariantMap>
#include <QWidget>

#include "core/gear/gear.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace geardim {

struct SheetOption;

// The sheet's inputs as a form: one field per number of the sheet's input table, named
// and captioned from it, the two choices as radio buttons, and the compute button.
// Fields ↔ SheetInput; says when the user edits or asks to compute.
class SheetForm : public QWidget {
    Q_OBJECT
public:
    explicit SheetForm(QWidget *parent = nullptr);

    // Why the inputs could not be read, and the field to correct.
    struct Problem {
        QString text;
        QLineEdit *field = nullptr;
    };
    // The inputs as typed, or nothing and the problem; changes nothing on screen.
    std::optional<SheetInput> read(Problem &problem) const;
    // The first input a gear file would refuse, named by its caption, or nothing.
    std::optional<Problem> outsideFileRanges(const SheetInput &in) const;
    // Shows the inputs; not an edit.
    void write(const SheetInput &in);
    // The numbers' fields as typed ("44.80"), by field name; and those texts put back in the
    // fields whose number they still mean, so a restart shows 44.80, not 44.8.
    QVariantMap typedTexts() const;
    void keepTypedTexts(const QVariantMap &texts);
    // Which allowances were typed (a field not empty): those win over an allowance code.
    std::pair<bool, bool> typedAllowances() const;
    // The page of the drawing's data (accuracy class, allowance code, hand, mating gear),
    // which the window shows in a tab of its own.
    QWidget *drawingPage() const { return drawingPage_; }
    // Puts the cursor in the problem's field, its text selected.
    static void select(const Problem &problem);
    // Shows, greyed in the empty allowance fields, the allowances (Esns, Esni) a code gave,
    // with the code; none: nothing shown.
    void showCodeAllowances(const std::optional<std::pair<double, double>> &fromCode, const QString &code, int decimals);

signals:
    void computeRequested();
    void edited();

private:
    // An allowance left empty, as the input records it: shown empty again.
    static bool notGiven(const SheetOption &o, const SheetInput &in);
    std::map<std::string, QLineEdit *> fields_; // by the table's field name
    QRadioButton *external_, *internal_, *balls_, *pins_, *handNone_, *handLeft_, *handRight_;
    QWidget *drawingPage_;
    QPushButton *compute_;
    bool writing_ = false;
};

} // namespace geardim
