#include "gui/solvers/forhch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/toolkit/fields.h"
#include "gui/toolkit/formbuilder.h"
#include "core/solvers/shiftfromthickness.h"

namespace geardim {
namespace {

using K = ControlKind;

constexpr ControlRow kControls[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("Forhch", "填   写："), 360, 120, 1215, 255, 12},
    {"Label2", K::Label, QT_TRANSLATE_NOOP("Forhch", "  弧(斜齿为弦)齿厚s:"), 480, 600, 2175, 255, 10.5, "Text1"},
    {"Text1", K::Field, "1.540402", 2640, 480, 975, 495},
    {"Label3", K::Label, QT_TRANSLATE_NOOP("Forhch", "模   数m:"), 3960, 600, 1215, 255, 10.5, "Text2"},
    {"Text2", K::Field, "2", 5280, 480, 975, 495},
    {"Label4", K::Label, QT_TRANSLATE_NOOP("Forhch", "齿 数z:"), 1800, 1320, 735, 255, 10.5, "Text3"},
    {"Text3", K::Field, "50", 2640, 1200, 975, 495},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("Forhch", "压力角αn:"), 3960, 1320, 1215, 255, 10.5, "Text4"},
    {"Text4", K::Field, "20", 5280, 1200, 975, 495},
    {"Label6", K::Label, QT_TRANSLATE_NOOP("Forhch", "  螺 旋 角β:"), 1080, 2040, 1455, 255, 10.5, "Text5"},
    {"Text5", K::Field, "30", 2640, 1920, 975, 495},
    {"Label8", K::Label, QT_TRANSLATE_NOOP("Forhch", "变位系数x:"), 600, 2880, 1335, 375, 12},
    {"Label9", K::Result, " ", 2040, 2880, 1455, 375},
    {"Command1", K::Button, QT_TRANSLATE_NOOP("Forhch", "确 定"), 5160, 2640, 1095, 615, 10.5},
    {"Opnc", K::Option, QT_TRANSLATE_NOOP("Forhch", "内齿"), 4080, 1920, 735, 375, 10.5},
    {"Opwc", K::Option, QT_TRANSLATE_NOOP("Forhch", "外齿"), 5280, 1920, 735, 375, 10.5, nullptr, {.checked = true}},
    {"Command2", K::Button, QT_TRANSLATE_NOOP("Forhch", "退 出"), 5160, 3600, 1095, 615, 10.5},
    {"Command3", K::Button, QT_TRANSLATE_NOOP("Forhch", "继 续"), 3600, 3600, 1095, 615, 10.5, nullptr, {.enabled = false}},
};

constexpr FormTable kForm{"Forhch", QT_TRANSLATE_NOOP("Forhch", "根据弧齿(斜齿为弦齿)厚求变位系数"), 6525, 4485, 0, kControls};

} // namespace

Forhch::Forhch(QWidget *parent)
    : CalculatorWindow(parent)
{
    buildForm(this, kForm);
    bindControl(this, Label9, "Label9");
    for (auto [member, name] : {std::pair{&Text1, "Text1"}, {&Text2, "Text2"}, {&Text3, "Text3"},
                                {&Text4, "Text4"}, {&Text5, "Text5"}})
        bindControl(this, *member, name);
    bindControl(this, Command1, "Command1");
    bindControl(this, Command2, "Command2");
    bindControl(this, Command3, "Command3");
    bindControl(this, Opwc, "Opwc");

    connect(Command1, &QPushButton::clicked, this, &Forhch::computeClicked);
    connect(Command2, &QPushButton::clicked, this, &Forhch::exitClicked);
    connect(Command3, &QPushButton::clicked, this, &Forhch::continueClicked);
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5})
        connect(field, &QLineEdit::returnPressed, this, &Forhch::computeClicked);
}

void Forhch::computeClicked()
{
    // Continue is offered on every click, whether or not a result follows.
    Command3->setEnabled(true);
    if (anyEmpty({Text1, Text2, Text3, Text4, Text5}))
        return;
    const auto values = readSingles<5>({Text1, Text2, Text3, Text4, Text5});
    if (!values)
        return;
    const auto [s, m, z, alpha, beta] = *values;
    showOutcome(this, Label9,
                shiftFromThickness({.s = s, .m = m, .z = z, .alphaDeg = alpha, .betaDeg = beta,
                                    .external = Opwc->isChecked()}));
}

void Forhch::continueClicked()
{
    Label9->clear();
    Command3->setEnabled(false);
}

void Forhch::exitClicked()
{
    Label9->clear();
    Command3->setEnabled(false);
    emit finished();
}

} // namespace geardim
