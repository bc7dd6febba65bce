#pragma once

// The language the program speaks: simplified Chinese, its own, or English beside it.
// Needs Qt Core only, so that the command line can choose and install it too.
#include <string>

#include <QSettings>

#include "core/sheet/sheetreport.h"

namespace geardim {

enum class Language { Chinese, English };

// The language asked for: `--lang zh|en` on the command line (taken out of argv, so
// neither Qt nor the command line sees it), else the environment variable
// GEARDIM_LANG, else the language last chosen in the sheet's menu, else Chinese.
// A value that names neither language counts as not given.
// A `--lang` whose value names neither language, or that has no value, is still taken
// out; refused, when given, then holds what was wrong (the value, or "--lang" itself).
Language chooseLanguage(int &argc, char *argv[], std::string *refused = nullptr);

// Settings files that are not regular files (a FIFO would block the start for ever):
// they are ignored, QSettings is pointed at an empty folder for this run, and each is
// named on stderr. Call before anything reads the settings; needs no application object.
void ignoreSettingsThatAreNotFiles();

// The one format of the program's settings on every system: an INI file (on Windows in the
// user's AppData, not the registry), so the language and the recent files are read back
// from where they were written. setUpApplication makes it QSettings' default.
QSettings::Format settingsFormat();

// Remembers the language for the next start (the sheet's 语言 / Language menu).
void rememberLanguage(Language language);

// The language remembered for the next start; Chinese when none is.
Language rememberedLanguage();

// Installs the program's English texts for English; Chinese needs none, its texts
// are the sources. Needs the application object.
void installLanguage(Language language);

// The sheet's texts (written by the core in Chinese, with their context) in the
// language installed: the one translator every writer of text takes.
const TextTranslator &qtTextTranslator();

// Loads Qt's own Chinese texts once; false when Qt's translations are not installed.
bool installQtTranslation();

} // namespace geardim
