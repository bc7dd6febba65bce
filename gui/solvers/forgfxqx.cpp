#include "gui/solvers/forgfxqx.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/toolkit/fields.h"
#include "gui/toolkit/formbuilder.h"
#include "core/solvers/shiftfromspan.h"

namespace geardim {
namespace {

using K = ControlKind;

constexpr ControlRow kControls[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "填写:"), 600, 120, 735, 255, 12},
    {"Label2", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "法向模数m:"), 600, 600, 1095, 375, 10.5, "Text1"},
    {"Text1", K::Field, "2", 1800, 480, 1095, 495, 10.5},
    {"Label3", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "齿数z:"), 3600, 600, 735, 375, 10.5, "Text2"},
    {"Text2", K::Field, "50", 4560, 480, 1095, 495, 10.5},
    {"Label4", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "分圆螺旋角β:"), 240, 1200, 1455, 375, 10.5, "Text3"},
    {"Text3", K::Field, "30", 1800, 1200, 1095, 495, 10.5},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "法向压力角α:"), 3000, 1200, 1455, 375, 10.5, "Text4"},
    {"Text4", K::Field, "20", 4560, 1200, 1095, 495, 10.5},
    {"Label6", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "跨齿数k:"), 600, 1800, 1095, 495, 10.5, "Text5"},
    {"Text5", K::Field, "7", 1800, 1920, 1095, 495, 10.5},
    {"Label7", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "公法线长度L:"), 3120, 2040, 1335, 495, 10.5, "Text6"},
    {"Text6", K::Field, "38.979", 4560, 1920, 1095, 495, 10.5},
    {"Command1", K::Button, QT_TRANSLATE_NOOP("Forgfxqx", "已知公法线估算跨齿数k:"), 960, 2760, 1575, 495},
    {"Command2", K::Button, QT_TRANSLATE_NOOP("Forgfxqx", "确 定"), 4800, 2880, 1095, 615, 10.5},
    {"Command3", K::Button, QT_TRANSLATE_NOOP("Forgfxqx", "继 续"), 3480, 3840, 1095, 615, 10.5},
    {"Command4", K::Button, QT_TRANSLATE_NOOP("Forgfxqx", "退 出"), 4800, 3840, 1095, 615, 10.5},
    {"Label8", K::Result, "", 2640, 2760, 1095, 495, 10.5},
    {"Label9", K::Label, QT_TRANSLATE_NOOP("Forgfxqx", "变位系数x:"), 360, 3840, 1335, 375, 12},
    {"Label10", K::Result, "", 1800, 3840, 1335, 375, 10.5},
};

constexpr FormTable kForm{"Forgfxqx", QT_TRANSLATE_NOOP("Forgfxqx", "已知公法线求变位系数x"), 6090, 4845, 0, kControls};

} // namespace

Forgfxqx::Forgfxqx(QWidget *parent)
    : CalculatorWindow(parent)
{
    buildForm(this, kForm);
    bindControl(this, Label8, "Label8");
    bindControl(this, Label10, "Label10");
    for (auto [member, name] : {std::pair{&Text1, "Text1"}, {&Text2, "Text2"}, {&Text3, "Text3"},
                                {&Text4, "Text4"}, {&Text5, "Text5"}, {&Text6, "Text6"}})
        bindControl(this, *member, name);
    for (auto [member, name] : {std::pair{&Command1, "Command1"}, {&Command2, "Command2"},
                                {&Command3, "Command3"}, {&Command4, "Command4"}})
        bindControl(this, *member, name);

    connect(Command1, &QPushButton::clicked, this, &Forgfxqx::estimateClicked);
    connect(Command2, &QPushButton::clicked, this, &Forgfxqx::computeClicked);
    connect(Command3, &QPushButton::clicked, this, &Forgfxqx::continueClicked);
    connect(Command4, &QPushButton::clicked, this, &Forgfxqx::exitClicked);
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5, Text6})
        connect(field, &QLineEdit::returnPressed, this, &Forgfxqx::computeClicked);
}

std::optional<SpanMeasurement> Forgfxqx::readInputs(bool lengthInDouble)
{
    if (anyEmpty({Text1, Text2, Text3, Text4, Text5, Text6}))
        return std::nullopt;
    const auto values = readSingles<5>({Text1, Text2, Text3, Text4, Text5});
    if (!values)
        return std::nullopt;
    std::optional<double> length;
    if (lengthInDouble)
        length = readDouble(Text6);
    else if (const auto single = readSingle(Text6))
        length = *single;
    if (!length)
        return std::nullopt;
    const auto [m, z, beta, alpha, k] = *values;
    return SpanMeasurement{.m = m, .z = z, .betaDeg = beta, .alphaDeg = alpha, .k = k, .L = *length};
}

void Forgfxqx::estimateClicked()
{
    const auto typed = readInputs(false);
    if (!typed)
        return;
    showOutcome(this, Label8, spanFromLength(*typed));
}

void Forgfxqx::computeClicked()
{
    const auto typed = readInputs(true);
    if (!typed)
        return;
    showOutcome(this, Label10, shiftFromSpan(*typed));
}

void Forgfxqx::continueClicked()
{
    Label10->clear();
    Label8->clear();
}

void Forgfxqx::exitClicked()
{
    emit finished();
}

} // namespace geardim
