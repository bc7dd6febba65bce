// The smallest Qt program that could stand in for the menu: one window with its
// caption and one button in "宋体" 12 pt, so that it loads the same CJK font.
#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QWidget>

#include "bench/shown.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velkor测量尺寸"));
    window.setFixedSize(369, 305);
    QPushButton button(QStringLiteral("M    值"), &window);
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(12);
    button.setFont(font);
    button.setGeometry(32, 72, 121, 41);
    reportWhenShown(&window);
    window.show();
    return QApplication::exec();
}
