#pragma once

#include <QCoreApplication>
#include <QObject>
#include <cstdio>

#include "common/firstpaint.h"

// Tells the benchmark harness when the floor's window has been painted for the first
// time ("shown" on standard output), then ends the floor: what the program itself does
// with GEARDIM_QUIT_AFTER_FIRST_PAINT in its environment.
inline void reportWhenShown(QObject *window)
{
    geardim::afterFirstPaint(window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
