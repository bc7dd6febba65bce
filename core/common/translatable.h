#pragma once

// Marks a text for the translation tools (lupdate) in code that does not include Qt.
// The text itself is what the core returns; the windows and the command line show it
// through QCoreApplication::translate with the same context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
