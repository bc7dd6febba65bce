// The floor for the command line: a bare Qt program that parses the same options with
// QCommandLineParser and prints one line.
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("sheet"));
    for (const char *name : {"module", "diametral-pitch", "teeth", "pressure-angle", "helix-angle", "shift",
                             "thickness", "addendum", "tip-diameter", "allowance-upper", "allowance-lower", "gauge",
                             "gauge-diameter", "face-width", "format", "load", "save", "pdf", "picture",
                             "picture-size", "batch", "out"})
        parser.addOption({QString::fromLatin1(name), QString::fromLatin1(name), QStringLiteral("value")});
    parser.addOption({QStringLiteral("internal"), QStringLiteral("internal")});
    if (!parser.parse(QCoreApplication::arguments()))
        return 2;
    std::printf("{\"module\": %s}\n", qPrintable(parser.value(QStringLiteral("module"))));
    return 0;
}
