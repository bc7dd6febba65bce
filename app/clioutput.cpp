#include "app/clioutput.h"

namespace geardim {
namespace {

// Terminal columns of a character: two for the CJK ideographs, kana, hangul and the full-width
// forms, one for the rest.
int columnsOf(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
                   || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
                   || (c >= 0xFFE0 && c <= 0xFFE6)
               ? 2
               : 1;
}

bool wide(char32_t c) { return columnsOf(c) == 2; }

// Punctuation a line may not begin with.
bool closing(char32_t c) { return QStringView(u"，。、：；！？）」』》”’,.;:!?)").contains(QChar(char16_t(c))); }
// Punctuation a line may not end with.
bool opening(char32_t c) { return QStringView(u"（「『《“‘(").contains(QChar(char16_t(c))); }

} // namespace

QString wrappedForHelp(const QString &text, int columns)
{
    QString out;
    const QStringList paragraphs = text.split(u'\n');
    for (qsizetype n = 0; n < paragraphs.size(); ++n) {
        const QList<uint> chars = paragraphs[n].toUcs4();
        QString line;
        int used = 0;
        qsizetype breakAt = -1; // in line: where it may end (the text before this index)
        for (qsizetype i = 0; i < chars.size(); ++i) {
            const char32_t c = chars[i];
            const char32_t before = i > 0 ? chars[i - 1] : 0;
            // A break is allowed at a space, and between two characters where one is wide,
            // unless the next closes or the last opens.
            if (i > 0 && (c == u' ' || ((wide(c) || wide(before)) && before != u' ' && !closing(c) && !opening(before))))
                breakAt = line.size();
            line += QString::fromUcs4(&c, 1);
            used += columnsOf(c);
            if (used > columns && breakAt > 0) {
                out += line.left(breakAt).trimmed() + u'\n';
                line = line.mid(breakAt).trimmed();
                used = 0;
                for (const uint r : line.toUcs4())
                    used += columnsOf(r);
                breakAt = -1;
            }
        }
        out += line;
        if (n + 1 < paragraphs.size())
            out += u'\n';
    }
    return out;
}

std::optional<int> parseCommand(QCommandLineParser &parser, const QStringList &arguments, const QString &command,
                                const QCommandLineOption &format)
{
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, parser.helpText().toStdString());
        return kResult;
    }
    if (parser.positionalArguments() != QStringList{command})
        return usageError(QCoreApplication::translate("CommandLine", "未知的命令“%1”。").arg(parser.positionalArguments().join(u' ')));
    const QString form = parser.value(format);
    if (form != QLatin1String("text") && form != QLatin1String("csv") && form != QLatin1String("json"))
        return usageError(QCoreApplication::translate("CommandLine", "未知的输出格式“%1”。").arg(form));
    return std::nullopt;
}

void addOptionsWrapped(QCommandLineParser &parser, const QList<QCommandLineOption> &options)
{
    for (QCommandLineOption option : options) {
        option.setDescription(wrappedForHelp(option.description()));
        parser.addOption(option);
    }
}

} // namespace geardim
