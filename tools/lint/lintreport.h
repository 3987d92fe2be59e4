#ifndef LINTREPORT_H
#define LINTREPORT_H

#include <QString>
#include <QTextStream>
#include <QVector>

// A value from a data file as a finding shows it: in quotes, cut after 40 characters.
QString quoted(const QString& value);

// The findings of one run, printed the way compilers print theirs so that editors and CI
// can jump to them: "config/pony.ini:12: error: ...".
class LintReport
{
public:
    enum class Severity { Warning, Error };

    // line 0: the finding is about the file as a whole.
    void add(const QString& file, int line, Severity severity, const QString& message);
    void error(const QString& file, int line, const QString& message);
    void warning(const QString& file, int line, const QString& message);

    int errorCount() const { return errors; }
    int warningCount() const { return warnings; }
    void print(QTextStream& out) const;

private:
    QStringList lines;
    int errors = 0;
    int warnings = 0;
};

#endif
