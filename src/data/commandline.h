#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCommandLineParser>
#include <QStringList>

// The command line as every program of the game reads it, by the desktop's conventions: --help
// and --version print to standard output and end the program with status 0; an unknown option,
// a missing value or an argument the program cannot use prints the mistake and the usage to
// standard error and ends it with status 2. It is read before any window exists, so none of
// this needs a display.
class CommandLine
{
public:
    static constexpr int kUsageStatus = 2;

    explicit CommandLine(const QString& description);

    void addOption(const QCommandLineOption& option);
    void addPositionalArgument(const QString& name, const QString& description, const QString& syntax);
    // QApplication's own options (-platform NAME, -style NAME, -reverse, ...) are accepted and
    // left in the arguments for it, unlisted: the game's help names them as Qt's.
    void acceptQtOptions();

    // False when the program ends here, with status(): after the help or the version (0), or
    // after a mistake (kUsageStatus).
    bool parse(int argc, char** argv);
    int status() const;

    bool isSet(const QString& name) const;
    QString value(const QString& name) const;
    QStringList positionalArguments() const;
    // A value the program cannot use: the mistake and the usage on standard error; returns
    // kUsageStatus.
    int reject(const QString& mistake) const;

private:
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QString program;
    QString usage;
    int exitStatus = 0;
};

#endif
