#include "common/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace geardim {
namespace {

const QString kLanguageKey = QStringLiteral("language");

std::optional<Language> named(std::string_view code)
{
    if (code == "zh" || code == "zh_CN" || code == "zh-CN")
        return Language::Chinese;
    if (code == "en" || code == "en_US" || code == "en-GB" || code == "en_GB" || code == "en-US")
        return Language::English;
    return std::nullopt;
}

// The settings before the application object exists: the same file QSettings uses later,
// <config>/geardim/geardim.conf.
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
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // Read straight from the file QSettings keeps, instead of through QSettings: it would
    // look through four files (the user's and the system's, for the program and for its
    // organisation), which costs about 2% of the menu's start, before its first paint.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/geardim/geardim.conf"));
    if (!file.open(QIODevice::ReadOnly))
        return Language::Chinese;
    // QSettings writes a key without a group under [General].
    bool general = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith('[')) {
            general = line == "[General]";
        } else if (general && equals > 0 && line.left(equals).trimmed() == "language") {
            return named(line.mid(equals + 1).trimmed().toStdString()).value_or(Language::Chinese);
        }
    }
    return Language::Chinese;
#else
    return named(settings().value(kLanguageKey).toString().toStdString()).value_or(Language::Chinese);
#endif
}

void rememberLanguage(Language language)
{
    settings().setValue(kLanguageKey, language == Language::English ? QStringLiteral("en") : QStringLiteral("zh"));
}

void installLanguage(Language language)
{
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

bool installQtTranslation()
{
    // Qt's own texts (a field's context menu, standard dialogs) in Chinese, from
    // Qt's translations where they are installed; English otherwise.
    const QString name = QStringLiteral("qtTranslation");
    if (qApp->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setObjectName(name);
    translator->setParent(qApp);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace geardim
