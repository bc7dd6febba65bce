#include "common/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace geardim {
namespace {

const QString kLanguageKey = QStringLiteral("language");
Language installed = Language::Chinese;

std::optional<Language> named(std::string_view code)
{
    if (code == "zh" || code == "zh_CN" || code == "zh-CN")
        return Language::Chinese;
    if (code == "en" || code == "en_US" || code == "en-GB" || code == "en_GB" || code == "en-US")
        return Language::English;
    return std::nullopt;
}

// The settings before the application object exists: the same file QSettings uses later.
QSettings settings() { return QSettings(QStringLiteral("geardim"), QStringLiteral("geardim")); }

} // namespace

Language chooseLanguage(int &argc, char *argv[])
{
    std::optional<Language> chosen;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        int taken = 0;
        if (arg == "--lang" && i + 1 < argc) {
            chosen = named(argv[i + 1]);
            taken = 2;
        } else if (arg.substr(0, 7) == "--lang=") {
            chosen = named(arg.substr(7));
            taken = 1;
        }
        if (taken) {
            for (int j = i; j + taken <= argc; ++j)
                argv[j] = argv[j + taken];
            argc -= taken;
            --i;
        }
    }
    if (chosen)
        return *chosen;
    if (const char *env = std::getenv("GEARDIM_LANG"); env && named(env))
        return *named(env);
    return rememberedLanguage();
}

Language rememberedLanguage()
{
    return named(settings().value(kLanguageKey).toString().toStdString()).value_or(Language::Chinese);
}

void rememberLanguage(Language language)
{
    settings().setValue(kLanguageKey, language == Language::English ? QStringLiteral("en") : QStringLiteral("zh"));
}

void installLanguage(Language language)
{
    installed = language;
    if (language != Language::English)
        return;
    const QString name = QStringLiteral("geardimEnglish");
    if (qApp->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *translator = new QTranslator(qApp);
    translator->setObjectName(name);
    if (translator->load(QStringLiteral(":/i18n/geardim_en.qm")))
        QCoreApplication::installTranslator(translator);
}

Language currentLanguage() { return installed; }

} // namespace geardim
