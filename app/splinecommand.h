#pragma once

#include <QStringList>

// `geardim spline --designation "…"`: a spline's dimensions over or between pins.
namespace geardim {

// The arguments as the program got them (the program's name first, then "spline" among
// them); returns the exit status as the sheet's command does.
int runSplineCommand(const QStringList &arguments);

} // namespace geardim
