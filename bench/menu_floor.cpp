// The floor for the menu's start-up: a hand-written Qt window with exactly the menu's
// captions in their fonts and places (the heading and the seven buttons, their captions
// broken into lines where the menu breaks them), and nothing else: no registry, no
// form builder, no settings.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "gui/toolkit/firstpaint.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    const auto song = [](double points) {
        QFont font(QStringLiteral("宋体"));
        font.setPointSizeF(points);
        return font;
    };
    QApplication::setFont(song(9));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velkor测量尺寸"));
    window.setFixedSize(369, 369);
    QLabel heading(QStringLiteral("选  项："), &window);
    heading.setFont(song(12));
    heading.setGeometry(24, 16, 65, 17);
    struct Button {
        const char *text;
        int x, y, w, h;
        double points;
    };
    const Button buttons[] = {
        {"M    值", 32, 72, 121, 41, 12},
        {"已知公法线长度\n求变位系数x", 216, 72, 121, 41, 12},
        {"已知M值求变位\n系数x", 32, 144, 121, 41, 12},
        {"已知弧齿厚s求变位\n系数x", 216, 144, 121, 41, 10.5},
        {"退  出", 232, 224, 81, 49, 10.5},
        {"测量尺寸表", 32, 224, 121, 41, 12},
        {"花  键", 32, 296, 121, 41, 12},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.text), &window);
        button->setFont(song(b.points));
        button->setGeometry(b.x, b.y, b.w, b.h);
    }
    geardim::quitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
