#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

#include "common/firstpaint.h"

// Tells the benchmark harness when a window has been painted for the first time
// ("shown" on standard output), then ends the program.
inline void reportWhenShown(QWidget *window)
{
    geardim::afterFirstPaint(window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
