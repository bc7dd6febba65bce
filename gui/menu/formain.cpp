#include "gui/menu/formain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "gui/toolkit/formbuilder.h"

namespace geardim {
namespace {

using K = ControlKind;

constexpr ControlRow kControls[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("Formain", "选  项："), 360, 240, 975, 255, 12},
    {"Command1", K::Button, QT_TRANSLATE_NOOP("Formain", "M    值"), 480, 1080, 1815, 615, 12},
    {"Command2", K::Button, QT_TRANSLATE_NOOP("Formain", "已知公法线长度求变位系数x"), 3240, 1080, 1815, 615, 12},
    {"Command3", K::Button, QT_TRANSLATE_NOOP("Formain", "已知M值求变位系数x"), 480, 2160, 1815, 615, 12},
    {"Command4", K::Button, QT_TRANSLATE_NOOP("Formain", "已知弧齿厚s求变位系数x"), 3240, 2160, 1815, 615, 10.5},
    {"Command5", K::Button, QT_TRANSLATE_NOOP("Formain", "退  出"), 3480, 3360, 1215, 735, 10.5},
    // The inspection sheet, in the free place at the lower left.
    {"Command6", K::Button, QT_TRANSLATE_NOOP("Formain", "测量尺寸表"), 480, 3360, 1815, 615, 12},
    // Splines, below the others.
    {"Command7", K::Button, QT_TRANSLATE_NOOP("Formain", "花  键"), 480, 4440, 1815, 615, 12},
    // The gear pair, beside the splines.
    {"pairButton", K::Button, QT_TRANSLATE_NOOP("Formain", "齿轮副"), 3240, 4440, 1815, 615, 12},
};

constexpr FormTable kForm{"Formain", QT_TRANSLATE_NOOP("Formain", "Velkor测量尺寸"), 5535, 5535, 0, kControls};

} // namespace

Formain::Formain(QWidget *parent)
    : QWidget(parent)
{
    buildForm(this, kForm);
    for (auto [member, name] : {std::pair{&Command1, "Command1"}, {&Command2, "Command2"},
                                {&Command3, "Command3"}, {&Command4, "Command4"}, {&Command5, "Command5"},
                                {&Command6, "Command6"}, {&Command7, "Command7"}, {&pairButton, "pairButton"}})
        bindControl(this, *member, name);

    connect(Command1, &QPushButton::clicked, this, [this] { open(WindowId::MValue); });
    connect(Command2, &QPushButton::clicked, this, [this] { open(WindowId::XFromSpan); });
    connect(Command3, &QPushButton::clicked, this, [this] { open(WindowId::XFromMValue); });
    connect(Command4, &QPushButton::clicked, this, [this] { open(WindowId::XFromThickness); });
    connect(Command5, &QPushButton::clicked, this, [] { WindowRegistry::instance().endProgram(); });
    connect(Command6, &QPushButton::clicked, this, [this] { open(WindowId::Sheet); });
    connect(Command7, &QPushButton::clicked, this, [this] { open(WindowId::Spline); });
    connect(pairButton, &QPushButton::clicked, this, [this] { open(WindowId::Pair); });
}

void Formain::open(WindowId calculator)
{
    WindowRegistry &registry = WindowRegistry::instance();
    if (!registry.window(calculator))
        return;
    registry.hide(WindowId::Menu);
    registry.show(calculator);
}

void Formain::closeEvent(QCloseEvent *event)
{
    // Closing the menu ends the program, as its exit button does.
    event->ignore();
    WindowRegistry::instance().endProgram();
}

} // namespace geardim
