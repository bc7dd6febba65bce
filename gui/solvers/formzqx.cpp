#include "gui/solvers/formzqx.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/toolkit/fields.h"
#include "gui/toolkit/formbuilder.h"
#include "core/solvers/shiftfrommvalue.h"

namespace geardim {
namespace {

using K = ControlKind;

constexpr ControlRow kControls[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("Formzqx", "填   写："), 480, 120, 1095, 255, 12},
    {"Label2", K::Label, QT_TRANSLATE_NOOP("Formzqx", "   M  值:"), 720, 600, 975, 255, 0, "Text1"},
    {"Text1", K::Field, "115.2817", 1800, 480, 975, 495, 9},
    {"Label3", K::Label, QT_TRANSLATE_NOOP("Formzqx", " 模  数m:"), 3480, 600, 975, 255, 0, "Text2"},
    {"Text2", K::Field, "2", 4560, 480, 975, 495, 9},
    {"Label4", K::Label, QT_TRANSLATE_NOOP("Formzqx", " 齿  数z:"), 720, 1200, 975, 255, 0, "Text3"},
    {"Text3", K::Field, "50", 1800, 1080, 975, 495, 9},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("Formzqx", "压力角αn:"), 3480, 1200, 975, 255, 9, "Text4"},
    {"Text4", K::Field, "20", 4560, 1080, 975, 495, 9},
    {"Label6", K::Label, QT_TRANSLATE_NOOP("Formzqx", "螺旋角β:"), 720, 1800, 975, 255, 0, "Text5"},
    {"Text5", K::Field, "30", 1800, 1680, 975, 495, 9},
    {"Label7", K::Label, QT_TRANSLATE_NOOP("Formzqx", " 量棒(球)直径d:"), 2880, 1800, 1575, 255, 0, "Text6"},
    {"Text6", K::Field, "3.36", 4560, 1680, 975, 495, 9},
    {"Command1", K::Button, QT_TRANSLATE_NOOP("Formzqx", "确 定"), 4680, 2760, 975, 615},
    {"Command2", K::Button, QT_TRANSLATE_NOOP("Formzqx", "退 出"), 4680, 3840, 975, 615},
    {"Opnc", K::Option, QT_TRANSLATE_NOOP("Formzqx", "内齿"), 840, 2520, 855, 495},
    {"Opwc", K::Option, QT_TRANSLATE_NOOP("Formzqx", "外齿"), 2280, 2520, 855, 495, 0, nullptr, {.checked = true}},
    {"Command3", K::Button, QT_TRANSLATE_NOOP("Formzqx", "继 续"), 3360, 3840, 975, 615, 0, nullptr, {.enabled = false}},
    {"Label8", K::Label, QT_TRANSLATE_NOOP("Formzqx", "变位系数x:"), 600, 3600, 1335, 375, 12},
    {"Label9", K::Result, " ", 2040, 3600, 1215, 255, 9},
};

constexpr FormTable kForm{"Formzqx", QT_TRANSLATE_NOOP("Formzqx", "根据M值求变位系数"), 5880, 4800, 10.5, kControls};

} // namespace

Formzqx::Formzqx(QWidget *parent)
    : CalculatorWindow(parent)
{
    buildForm(this, kForm);
    bindControl(this, Label9, "Label9");
    for (auto [member, name] : {std::pair{&Text1, "Text1"}, {&Text2, "Text2"}, {&Text3, "Text3"},
                                {&Text4, "Text4"}, {&Text5, "Text5"}, {&Text6, "Text6"}})
        bindControl(this, *member, name);
    bindControl(this, Command1, "Command1");
    bindControl(this, Command2, "Command2");
    bindControl(this, Command3, "Command3");
    bindControl(this, Opwc, "Opwc");

    connect(Command1, &QPushButton::clicked, this, &Formzqx::computeClicked);
    connect(Command2, &QPushButton::clicked, this, &Formzqx::exitClicked);
    connect(Command3, &QPushButton::clicked, this, &Formzqx::continueClicked);
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5, Text6})
        connect(field, &QLineEdit::returnPressed, this, &Formzqx::computeClicked);
}

void Formzqx::computeClicked()
{
    // Continue is offered on every click, whether or not a result follows.
    Command3->setEnabled(true);
    if (anyEmpty({Text1, Text2, Text3, Text4, Text5, Text6}))
        return;
    const auto values = readSingles<6>({Text1, Text2, Text3, Text4, Text5, Text6});
    if (!values)
        return;
    const auto [M, m, z, alpha, beta, d] = *values;
    showOutcome(this, Label9,
                shiftFromMValue({.M = M, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta, .d = d,
                                 .external = Opwc->isChecked()}));
}

void Formzqx::continueClicked()
{
    Label9->clear();
    Command3->setEnabled(false);
}

void Formzqx::exitClicked()
{
    Label9->clear();
    emit finished();
}

} // namespace geardim
