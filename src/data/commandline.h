#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QCommandLineParser>
#include <QStringList>

// The command line as every program of the game reads it, by the desktop's conventions: --help
// and --version print to standard output and end the program with status 0; an unknown option,
// a missing value or an argument the program cannot use prints the mistake and the usage to
// standard error and ends it with status 2. The help and the version are answered before the
// application object exists, so that they need no display; the rest is read from the arguments
// that the application object leaves, Qt's own options (-platform NAME, -style NAME, -reverse,
// ...) taken out by Qt itself.
class CommandLine
{
public:
    static constexpr int kUsageStatus = 2;

    explicit CommandLine(const QString& description);

    void addOption(const QCommandLineOption& option);
    void addPositionalArgument(const QString& name, const QString& description, const QString& syntax);
    // Before a QApplication, which needs a display: true when the arguments ask for the help or the
    // version, which are then printed, and the program ends here with status 0. Every other
    // argument, Qt's own options included, waits for parse().
    bool answerHelpOrVersion(int argc, char** argv);
    // The application object's arguments, once it exists: false when the program ends here, with
    // status(): after the help or the version (0), or after a mistake (kUsageStatus).
    bool parse();
    int status() const;

    bool isSet(const QString& name) const;
    QString value(const QString& name) const;
    QStringList positionalArguments() const;
    // A value the program cannot use: the mistake and the usage on standard error; returns
    // kUsageStatus.
    int reject(const QString& mistake) const;

private:
    // The program's name, version and usage, as the application object gives them.
    void takeNames();
    // Prints the help or the version when either is asked for; true when it did.
    bool answered() const;

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QString program;
    QString usage;
    int exitStatus = 0;
};

#endif
