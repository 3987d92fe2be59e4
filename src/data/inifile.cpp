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

QString copyOfFile(const QString& path, QTemporaryFile& copy)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path; // read as the empty file it is to the game
    const QByteArray text = IniFile::utf8Text(file.readAll());
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

QByteArray IniFile::utf8Text(const QByteArray& windows1251)
{
    // The mark is dropped as Qt 5's reader dropped it before decoding the rest in the code page.
    const QByteArray bytes = windows1251.startsWith("\xEF\xBB\xBF") ? windows1251.mid(3) : windows1251;
    const QString text = QTextCodec::codecForName("Windows-1251")->toUnicode(bytes);
    QString escaped;
    escaped.reserve(text.size());
    bool continuesValue = false;
    int start = 0;
    while (start <= text.size()) {
        int end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(start, end - start);
        escaped += escapedLine(line, continuesValue);
        continuesValue = line.endsWith(QLatin1Char('\\'));
        if (end < text.size())
            escaped += text.at(end);
        start = end + 1;
    }
    return escaped.toUtf8();
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
