// The report of the first paint as a module, for the program's launcher in the bench.
#include "bench/shown.h"

extern "C" Q_DECL_EXPORT void geardimReportWhenShown(QObject *menu) { reportWhenShown(menu); }
