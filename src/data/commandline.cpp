#include "commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {
// What QGuiApplication and QApplication take from the command line, with and without a value.
constexpr const char* kQtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                                "qwindowicon", "qwindowtitle", "display", "geometry", "title", "name",
                                                "session", "style", "stylesheet", "qmljsdebugger" };
constexpr const char* kQtFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync", "testability" };

void print(std::FILE* stream, const QString& text)
{
    // UTF-8 whatever the locale, as the programs' other output.
    std::fputs(text.toUtf8().constData(), stream);
}
}

CommandLine::CommandLine(const QString& description)
    : help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Displays this help and exits."))
    , version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Displays the name and version and exits."))
{
    // -platform offscreen is one option, as Qt reads it, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(description);
    parser.addOption(help);
    parser.addOption(version);
}

void CommandLine::addOption(const QCommandLineOption& option)
{
    parser.addOption(option);
}

void CommandLine::addPositionalArgument(const QString& name, const QString& description, const QString& syntax)
{
    parser.addPositionalArgument(name, description, syntax);
}

void CommandLine::acceptQtOptions()
{
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option{ QLatin1String(name) };
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool CommandLine::parse(int argc, char** argv)
{
    // The help names the program as it was started, which Qt takes from an application object;
    // a plain one needs no display, and is gone before the program makes its own.
    std::unique_ptr<QCoreApplication> reader;
    if (!QCoreApplication::instance())
        reader = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(OLTERIA_VERSION));
    const bool understood = parser.parse(QCoreApplication::arguments());
    program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    usage = parser.helpText();
    if (!understood) {
        exitStatus = reject(parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return false;
    }
    if (parser.isSet(version)) {
        print(stdout, program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return false;
    }
    return true;
}

int CommandLine::status() const
{
    return exitStatus;
}

bool CommandLine::isSet(const QString& name) const
{
    return parser.isSet(name);
}

QString CommandLine::value(const QString& name) const
{
    return parser.value(name);
}

QStringList CommandLine::positionalArguments() const
{
    return parser.positionalArguments();
}

int CommandLine::reject(const QString& mistake) const
{
    print(stderr, program + QStringLiteral(": ") + mistake + QLatin1Char('\n') + usage);
    return kUsageStatus;
}
