// olteria-lint [--strict] [DIR]: checks the game's data folder DIR (holding config/ and images/)
// and prints every problem as "file:line: error: ..." or "warning: ...", then a summary.
// Exit status: 0 without errors, 1 with errors (with --strict, with warnings too), 2 when DIR
// cannot be checked at all or the command line is wrong.

#include "commandline.h"
#include "datalinter.h"
#include "datalocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CommandLine commandLine(QStringLiteral("Checks a data folder of Olteria Defence."));
    const QCommandLineOption strict(QStringLiteral("strict"), QStringLiteral("Fail on warnings as on errors, and warn about each missing English text (for CI)."));
    commandLine.addOption(strict);
    commandLine.addPositionalArgument(QStringLiteral("DIR"),
                                      QStringLiteral("Folder with config/ and images/ (default: the one the game would play from)."),
                                      QStringLiteral("[DIR]"));
    if (!commandLine.parse())
        return commandLine.status();
    const QStringList args = commandLine.positionalArguments();
    if (args.size() > 1)
        return commandLine.reject(QStringLiteral("give at most one folder"));
    QTextStream err(stderr);
    // Without a folder, the one the game would play from, found the way the game finds it.
    const DataLocation location(DataLocation::searchOrder(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (args.isEmpty() && location.root().isEmpty()) {
        err << "olteria-lint: " << location.problem() << "\n";
        return 2;
    }
    const QDir dataDir(args.isEmpty() ? location.root() : args.first());
    if (!dataDir.exists()) {
        err << "olteria-lint: " << dataDir.path() << ": no such folder\n";
        return 2;
    }
    DataLinter linter(dataDir, commandLine.isSet(QStringLiteral("strict")));
    linter.run();
    QTextStream out(stdout);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Names and codes print alike whatever the terminal's locale (Qt 6 writes UTF-8 always).
    out.setCodec("UTF-8");
#endif
    linter.report().print(out);
    const bool fails = linter.report().errorCount() > 0 || (commandLine.isSet(QStringLiteral("strict")) && linter.report().warningCount() > 0);
    return fails ? 1 : 0;
}
