#pragma once

#include <QCoreApplication>
#include <QObject>
#include <cstdio>

#include "common/firstpaint.h"

// Tells the benchmark harness when a window has been painted for the first time
// ("shown" on standard output), then ends the program. Qt Core only, so that the
// program's own start-up is measured with exactly the libraries it links.
inline void reportWhenShown(QObject *window)
{
    geardim::afterFirstPaint(window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
