#include "commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {
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

bool CommandLine::answerHelpOrVersion(int argc, char** argv)
{
    // The help names the program as it was started, which Qt takes from an application object;
    // a plain one needs no display, and is gone before the program makes its own.
    std::unique_ptr<QCoreApplication> reader;
    if (!QCoreApplication::instance())
        reader = std::make_unique<QCoreApplication>(argc, argv);
    // Qt's own options are still in the arguments here, unknown to the parser: no mistake is
    // judged before the application object has taken them out.
    parser.parse(QCoreApplication::arguments());
    takeNames();
    return answered();
}

bool CommandLine::parse()
{
    const bool understood = parser.parse(QCoreApplication::arguments());
    takeNames();
    if (!understood) {
        exitStatus = reject(parser.errorText());
        return false;
    }
    return !answered();
}

void CommandLine::takeNames()
{
    QCoreApplication::setApplicationVersion(QStringLiteral(OLTERIA_VERSION));
    program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    usage = parser.helpText();
}

bool CommandLine::answered() const
{
    if (parser.isSet(help)) {
        print(stdout, usage);
        return true;
    }
    if (parser.isSet(version)) {
        print(stdout, program + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return true;
    }
    return false;
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
