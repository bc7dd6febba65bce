#include "io/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>
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
QSettings settings() { return QSettings(settingsFormat(), QSettings::UserScope, QStringLiteral("geardim"), QStringLiteral("geardim")); }

} // namespace

QSettings::Format settingsFormat()
{
#if defined(Q_OS_WIN)
    return QSettings::IniFormat; // a file in the user's AppData, not the registry
#else
    return QSettings::NativeFormat; // an INI file there already: <config>/geardim/geardim.conf
#endif
}

Language chooseLanguage(int &argc, char *argv[], std::string *refused)
{
    std::optional<Language> chosen;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        int taken = 0;
        std::optional<std::string_view> value;
        if (arg == "--lang") {
            taken = i + 1 < argc ? 2 : 1;
            if (i + 1 < argc)
                value = argv[i + 1];
        } else if (arg.substr(0, 7) == "--lang=") {
            value = arg.substr(7);
            taken = 1;
        }
        if (taken) {
            if (value && named(*value))
                chosen = named(*value);
            else if (refused)
                *refused = value ? std::string(*value) : std::string("--lang");
            for (int j = i; j + taken <= argc; ++j)
                argv[j] = argv[j + taken];
            argc -= taken;
            --i;
        }
    }
    if (chosen)
        return *chosen;
    if (const char *env = std::getenv("GEARDIM_LANG"); env && *env) {
        if (named(env))
            return *named(env);
        std::fprintf(stderr, "geardim: GEARDIM_LANG=%s 既不是 zh 也不是 en，使用中文。 / names neither zh nor en: Chinese is used.\n", env);
        return Language::Chinese;
    }
    ignoreSettingsThatAreNotFiles();
    return rememberedLanguage();
}

void ignoreSettingsThatAreNotFiles()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The files QSettings reads for the program and its organisation, the user's and the system's.
    const auto scopeFiles = [](QStandardPaths::StandardLocation location, bool all) {
        QStringList files;
        const QStringList folders = all ? QStandardPaths::standardLocations(location)
                                        : QStringList{QStandardPaths::writableLocation(location)};
        for (const QString &folder : folders)
            files << folder + QStringLiteral("/geardim/geardim.conf") << folder + QStringLiteral("/geardim.conf");
        return files;
    };
    static QTemporaryDir empty; // lives to the end of the program
    for (const auto &[scope, files] :
         {std::pair{QSettings::UserScope, scopeFiles(QStandardPaths::GenericConfigLocation, false)},
          std::pair{QSettings::SystemScope, QStringList{QStringLiteral("/etc/xdg/geardim/geardim.conf"),
                                                       QStringLiteral("/etc/xdg/geardim.conf")}}}) {
        bool ignored = false;
        for (const QString &file : files) {
            const QFileInfo info(file);
            if (info.exists() && !info.isFile()) {
                std::fprintf(stderr, "geardim: 设置文件“%s”不是普通文件，已忽略。 / The settings file is not a regular file: ignored.\n",
                             qPrintable(file));
                ignored = true;
            }
        }
        if (ignored)
            QSettings::setPath(QSettings::NativeFormat, scope, empty.path());
    }
}

Language rememberedLanguage()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // Read straight from the file QSettings keeps, instead of through QSettings: it would
    // look through four files (the user's and the system's, for the program and for its
    // organisation), which costs about 2% of the menu's start, before its first paint.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/geardim/geardim.conf"));
    // Only a regular file: a FIFO would block here for ever.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
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

const TextTranslator &qtTextTranslator()
{
    static const TextTranslator translate = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
    return translate;
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
