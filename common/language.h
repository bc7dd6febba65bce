#pragma once

// The language the program speaks: simplified Chinese, its own, or English beside it.
// Needs Qt Core only, so that the command line can choose and install it too.
namespace geardim {

enum class Language { Chinese, English };

// The language asked for: `--lang zh|en` on the command line (taken out of argv, so
// neither Qt nor the command line sees it), else the environment variable
// GEARDIM_LANG, else the language last chosen in the sheet's menu, else Chinese.
// A value that names neither language counts as not given.
Language chooseLanguage(int &argc, char *argv[]);

// Remembers the language for the next start (the sheet's 语言 / Language menu).
void rememberLanguage(Language language);

// The language remembered for the next start; Chinese when none is.
Language rememberedLanguage();

// Installs the program's English texts for English; Chinese needs none, its texts
// are the sources. Needs the application object.
void installLanguage(Language language);

// Loads Qt's own Chinese texts once; false when Qt's translations are not installed.
bool installQtTranslation();

} // namespace geardim
