#include "inifile.h"

#include <QDir>
#include <QFile>
#include <QTextCodec>

namespace {
// Qt's INI reader takes %UXXXX in group and key names on both majors, while a raw non-ASCII
// name is read as Latin-1 by Qt 5 and as UTF-8 by Qt 6.
QString escapedName(const QString& name)
{
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() < 0x80)
            escaped += c;
        else
            escaped += QStringLiteral("%U") + QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return escaped;
}

// A backslash that is not itself escaped joins the next line to the value.
bool endsInLoneBackslash(const QString& line)
{
    int backslashes = 0;
    while (backslashes < line.size() && line.at(line.size() - 1 - backslashes) == QLatin1Char('\\'))
        ++backslashes;
    return backslashes % 2 == 1;
}

// The line as Qt's reader sees it: a group header, a value continued from the line before
// (kept as it is), or a key before its first "=".
QString escapedLine(const QString& line, bool continuesValue)
{
    if (continuesValue)
        return line;
    if (line.trimmed().startsWith(QLatin1Char('[')))
        return escapedName(line);
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return escapedName(line);
    return escapedName(line.left(equals)) + line.mid(equals);
}

// The file's text as Qt's INI reader gets it from us: decoded from Windows-1251 (a leading UTF-8
// byte-order mark dropped), in UTF-8, with group and key names escaped as %UXXXX.
QByteArray utf8Text(const QByteArray& windows1251)
{
    // The mark is dropped as Qt 5's reader dropped it before decoding the rest in the code page.
    const QByteArray bytes = windows1251.startsWith("\xEF\xBB\xBF") ? windows1251.mid(3) : windows1251;
    const QString text = QTextCodec::codecForName("Windows-1251")->toUnicode(bytes);
    QString escaped;
    escaped.reserve(text.size());
    bool continuesValue = false;
    for (int start = 0; start <= text.size();) {
        int end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(start, end - start);
        escaped += escapedLine(line, continuesValue);
        continuesValue = endsInLoneBackslash(line);
        // "\r\n" and "\n\r" end one line, as in Qt's reader.
        const int breakLength = QStringView(text).mid(end, 2) == QLatin1String("\r\n") || QStringView(text).mid(end, 2) == QLatin1String("\n\r") ? 2 : 1;
        escaped += text.mid(end, breakLength);
        start = end + breakLength;
    }
    return escaped.toUtf8();
}

QString copyOfFile(const QString& path, QTemporaryFile& copy)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path; // read as the empty file it is to the game
    const QByteArray text = utf8Text(file.readAll());
    copy.setFileTemplate(QDir::tempPath() + QStringLiteral("/olteria-XXXXXX.ini"));
    // Without a temporary folder the file is read as it is: the same groups, keys and numbers,
    // only its Cyrillic texts garbled.
    if (!copy.open() || copy.write(text) != text.size() || !copy.flush())
        return path;
    return copy.fileName();
}
}

IniFile::IniFile(const QString& path)
    : settings(copyOfFile(path, utf8Copy), QSettings::IniFormat)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    settings.setIniCodec("UTF-8");
#endif
}

QStringList IniFile::groups() const
{
    return settings.childGroups();
}

QStringList IniFile::keys() const
{
    return settings.childKeys();
}

bool IniFile::contains(const QString& key) const
{
    return settings.contains(key);
}

void IniFile::beginGroup(const QString& group)
{
    settings.beginGroup(group);
}

void IniFile::endGroup()
{
    settings.endGroup();
}

QString IniFile::text(const QString& key) const
{
    // The INI reader splits an unquoted value at its commas; a description such as
    // "Быстрая, но хрупкая" must come back whole, not as an empty text.
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int IniFile::number(const QString& key, bool* isWhole) const
{
    // A word, a list or a number beyond int reads as 0 (never a wrapped value).
    const QVariant value = settings.value(key);
    if (isWhole)
        *isWhole = false;
    if (value.userType() != QMetaType::QString)
        return 0;
    return value.toString().toInt(isWhole);
}
