#pragma once

#include <QStringList>

// `geardim pair --module … --teeth1 … --teeth2 …`: two gears in mesh.
namespace geardim {

// The arguments as the program got them (the program's name first, then "pair" among them);
// returns the exit status as the other commands do.
int runPairCommand(const QStringList &arguments);

} // namespace geardim
