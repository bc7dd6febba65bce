#include "gui/calc/formz.h"

#include <QLabel>

#include <cmath>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/calc/mvalue.h"
#include "core/calc/pincheck.h"
#include "core/calc/pinestimate.h"
#include "core/gear/gear.h"
#include "core/sheet/sheetreport.h"
#include "gui/toolkit/dialogs.h"
#include "gui/toolkit/fields.h"
#include "gui/toolkit/formbuilder.h"

namespace geardim {
namespace {

using K = ControlKind;

// Input rows at 480, 1200, 1920 and 2640 twips; fields in two columns at 2160
// (m, α, β, d) and 5160 (z, x); results at 2280 in rows from 3600 down.
constexpr ControlRow kControls[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("Formz", "填写下列各项:"), 240, 120, 2175, 360, 12},
    {"Label2", K::Label, QT_TRANSLATE_NOOP("Formz", "法面模数m:"), 600, 540, 1500, 375, 10.5, "Text1"},
    {"Label3", K::Label, QT_TRANSLATE_NOOP("Formz", "齿数z:"), 3600, 540, 1500, 375, 10.5, "Text2"},
    {"Label4", K::Label, QT_TRANSLATE_NOOP("Formz", "法向压力角α:"), 600, 1260, 1500, 375, 10.5, "Text3"},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("Formz", "变位系数x:"), 3600, 1260, 1500, 375, 10.5, "Text4"},
    {"Label6", K::Label, QT_TRANSLATE_NOOP("Formz", "螺旋角β:"), 600, 1980, 1500, 375, 10.5, "Text5"},
    {"Label8", K::Label, QT_TRANSLATE_NOOP("Formz", "量棒直径d:"), 600, 2700, 1500, 375, 10.5, "Text6"},
    {"Label7", K::Result, " ", 3360, 3165, 1755, 300},
    {"Label10", K::Label, QT_TRANSLATE_NOOP("Formz", "    M  值:"), 240, 3600, 1935, 375, 12},
    {"Label11", K::Result, "", 2280, 3600, 1575, 375},
    {"Label12", K::Label, QT_TRANSLATE_NOOP("Formz", "   弧齿厚s:"), 240, 4080, 1935, 375, 12},
    {"Label13", K::Result, "", 2280, 4080, 1575, 375},
    {"Label14", K::Label, QT_TRANSLATE_NOOP("Formz", "公法线长度L:"), 240, 4560, 1935, 375, 12},
    {"Label15", K::Result, "", 2280, 4560, 1575, 375},
    {"Label17", K::Label, QT_TRANSLATE_NOOP("Formz", " 跨测齿数k:"), 240, 5040, 1935, 375, 12},
    {"Label16", K::Result, "", 2280, 5040, 1575, 375},
    // Focusable controls in tab order.
    {"Text1", K::Field, "2", 2160, 480, 1095, 495},
    {"Text2", K::Field, "50", 5160, 480, 1095, 495},
    {"Text3", K::Field, "20", 2160, 1200, 1095, 495},
    {"Text4", K::Field, "-1.1", 5160, 1200, 1095, 495},
    {"Text5", K::Field, "30", 2160, 1920, 1095, 495},
    {"Command1", K::Button, QT_TRANSLATE_NOOP("Formz", "确  定"), 5160, 3480, 1095, 495, 12},
    {"Text6", K::Field, "3.36", 2160, 2640, 1095, 495},
    {"Command2", K::Button, QT_TRANSLATE_NOOP("Formz", "退  出"), 5160, 4440, 1095, 495, 12},
    {"Command3", K::Button, QT_TRANSLATE_NOOP("Formz", "估算量棒（球）直径d"), 3360, 2640, 1995, 495},
    {"Opwc", K::Option, QT_TRANSLATE_NOOP("Formz", "外齿"), 4920, 1980, 1095, 375, 10.5, nullptr, {.checked = true}},
    {"Opnc", K::Option, QT_TRANSLATE_NOOP("Formz", "内 齿"), 3600, 1980, 1095, 375, 10.5},
    {"Command4", K::Button, QT_TRANSLATE_NOOP("Formz", "继  续"), 3960, 4440, 1095, 495, 10.5, nullptr, {.enabled = false}},
    {"Command5", K::Button, QT_TRANSLATE_NOOP("Formz", "校验量棒d"), 5400, 2640, 960, 495, 0, nullptr, {.enabled = false}},
};

constexpr FormTable kForm{"Formz", QT_TRANSLATE_NOOP("Formz", "M  值"), 6420, 5580, 0, kControls};

} // namespace

Formz::Formz(QWidget *parent)
    : CalculatorWindow(parent)
{
    buildForm(this, kForm);
    for (auto [member, name] : {std::pair{&Label7, "Label7"}, {&Label10, "Label10"}, {&Label11, "Label11"},
                                {&Label12, "Label12"}, {&Label13, "Label13"}, {&Label15, "Label15"},
                                {&Label16, "Label16"}})
        bindControl(this, *member, name);
    for (auto [member, name] : {std::pair{&Text1, "Text1"}, {&Text2, "Text2"}, {&Text3, "Text3"},
                                {&Text4, "Text4"}, {&Text5, "Text5"}, {&Text6, "Text6"}})
        bindControl(this, *member, name);
    for (auto [member, name] : {std::pair{&Command1, "Command1"}, {&Command2, "Command2"},
                                {&Command3, "Command3"}, {&Command4, "Command4"}, {&Command5, "Command5"}})
        bindControl(this, *member, name);
    bindControl(this, Opwc, "Opwc");

    connect(Command1, &QPushButton::clicked, this, &Formz::computeClicked);
    connect(Command2, &QPushButton::clicked, this, &Formz::exitClicked);
    connect(Command3, &QPushButton::clicked, this, &Formz::estimateClicked);
    connect(Command4, &QPushButton::clicked, this, &Formz::continueClicked);
    connect(Command5, &QPushButton::clicked, this, &Formz::checkClicked);
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5, Text6})
        connect(field, &QLineEdit::returnPressed, this, &Formz::computeClicked);
}

void Formz::computeClicked()
{
    if (anyEmpty({Text1, Text2, Text3, Text4, Text5, Text6}))
        return;
    // β is held in double; the other quantities in single precision.
    const auto mzax = readSingles<4>({Text1, Text2, Text3, Text4});
    if (!mzax)
        return;
    const auto beta = readDouble(Text5);
    if (!beta)
        return;
    const auto dp = readSingle(Text6);
    if (!dp)
        return;
    const auto [m, z, alpha, x] = *mzax;
    const GearData gear{.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = *beta, .dp = *dp,
                         .external = Opwc->isChecked()};

    const auto outcome = computeMValue(gear);
    if (!outcome.ok()) {
        warnFailure(this, outcome.failure());
        return;
    }
    const MValueResult &r = outcome.value();
    Label12->setText(QString());
    // A verdict or an estimate belonged to the earlier data.
    Label7->clear();
    Command5->setEnabled(true);
    Command4->setEnabled(true);
    // Internal gears, and gears whose span would cover no tooth, have no span: L and k
    // are emptied together, so no span count of an earlier gear stands beside the new results.
    const auto writeSpan = [&] {
        if (r.L) {
            showResult(Label15, *r.L);
            showResult(Label16, *r.k);
        } else {
            Label15->clear();
            Label16->clear();
        }
    };
    if (!r.helical) {
        showResult(Label11, r.M);
        Label12->setText(tr("分度圆弧齿厚s:"));
        showResult(Label13, r.s);
        writeSpan();
    } else {
        Label12->setText(tr("分度圆弦齿厚s:"));
        writeSpan();
        showResult(Label13, r.s);
        showResult(Label11, r.M);
    }
    explainSheetDifferences(gear, r);
}

void Formz::explainSheetDifferences(const GearData &gear, const MValueResult &r)
{
    // This window keeps its own arithmetic (balls' for odd helical gears, its span rule);
    // where the inspection sheet's pins or nearest span give another figure, the result's
    // tooltip says which and why, and nothing on the window moves.
    Label11->setToolTip(QString());
    Label16->setToolTip(QString());
    const auto sheet = computeSheet({.module = gear.m, .teeth = gear.z, .pressureAngleDeg = gear.alphaDeg, .helixAngleDeg = gear.betaDeg,
                                     .internal = !gear.external, .shift = gear.x, .allowanceUpper = 0, .allowanceLower = 0,
                                     .gauge = GaugeKind::Pin, .gaugeDiameter = gear.dp});
    if (!sheet.ok())
        return;
    const SheetResult &s = sheet.value();
    if (std::fabs(s.overGauges.nominal - r.M) > 5e-4)
        Label11->setToolTip(tr("测量尺寸表按量棒计算 M = %1：奇数齿斜齿轮的两根量棒不在同一直径上。本窗口的 M 按量球的算法。")
                                .arg(QString::fromStdString(sheetNumber(s.overGauges.nominal, 4))));
    if (r.k && s.span && s.span->teeth != int(*r.k))
        Label16->setToolTip(tr("测量尺寸表取最接近的跨测齿数 k = %1（W = %2）。本窗口的 k 按它自己的跨测齿数公式。")
                                .arg(s.span->teeth)
                                .arg(QString::fromStdString(sheetNumber(s.span->length.nominal, 4))));
}

void Formz::continueClicked()
{
    Command5->setEnabled(false);
    for (QLabel *label : {Label7, Label11, Label13, Label15, Label16})
        label->clear();
    Command4->setEnabled(false);
}

void Formz::exitClicked()
{
    Command4->setEnabled(false);
    Command5->setEnabled(false);
    for (QLabel *label : {Label11, Label13, Label15, Label16})
        label->clear();
    emit finished();
}

void Formz::estimateClicked()
{
    // The pin diameter field must be filled, though the estimate does not use it.
    if (anyEmpty({Text1, Text2, Text3, Text4, Text5, Text6}))
        return;
    const auto values = readSingles<5>({Text1, Text2, Text3, Text4, Text5});
    if (!values)
        return;
    const auto [m, z, alpha, x, beta] = *values;
    const auto outcome = estimatePin(
        {.m = m, .z = z, .alphaDeg = alpha, .x = x, .betaDeg = beta, .external = Opwc->isChecked()});
    if (!outcome.ok()) {
        warnFailure(this, outcome.failure());
        return;
    }
    showResult(Label7, outcome.value().d);
}

void Formz::checkClicked()
{
    const auto M = readSingle(this, Label11->text(), Label10->text().trimmed());
    if (!M)
        return;
    const auto z = readSingle(Text2);
    if (!z)
        return;
    const auto d = readSingle(Text6);
    if (!d)
        return;
    if (auto failure = checkPinData(*z, *d)) {
        warnFailure(this, *failure);
        return;
    }
    const QString prompt = tr("请输入齿轮齿根圆直径:");
    // An answer that is not a number is warned about and asked again, with the
    // typed text to correct; Cancel changes nothing.
    std::optional<float> df;
    QString typed;
    while (!df) {
        const auto answer = askText(this, tr("输入"), prompt, typed);
        if (!answer)
            return;
        typed = *answer;
        df = readSingle(this, typed, tr("齿根圆直径"));
    }
    const auto outcome = checkPin({.M = *M, .z = *z, .d = *d, .df = *df, .external = Opwc->isChecked()});
    if (!outcome.ok()) {
        warnFailure(this, outcome.failure());
        return;
    }
    Label7->setText(outcome.value().usable ? tr("量棒(球)可用") : tr("量棒(球)不可用"));
}

} // namespace geardim
