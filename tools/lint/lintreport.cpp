#include "lintreport.h"

namespace {
QString counted(int count, const char* noun)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(noun) + (count == 1 ? QLatin1String() : QLatin1String("s"));
}
}

QString quoted(const QString& value)
{
    constexpr int kShown = 40;
    return QLatin1Char('"') + (value.size() > kShown ? value.left(kShown) + QStringLiteral("...") : value)
        + QLatin1Char('"');
}

void LintReport::add(const QString& file, int line, Severity severity, const QString& message)
{
    QString where = file;
    if (line > 0)
        where += QLatin1Char(':') + QString::number(line);
    const bool isError = severity == Severity::Error;
    lines << where + (isError ? QStringLiteral(": error: ") : QStringLiteral(": warning: ")) + message;
    ++(isError ? errors : warnings);
}

void LintReport::error(const QString& file, int line, const QString& message)
{
    add(file, line, Severity::Error, message);
}

void LintReport::warning(const QString& file, int line, const QString& message)
{
    add(file, line, Severity::Warning, message);
}

void LintReport::print(QTextStream& out) const
{
    for (const QString& line : lines)
        out << line << '\n';
    out << "olteria-lint: " << counted(errors, "error") << ", " << counted(warnings, "warning") << '\n';
}
