#include "inifile.h"

#include <QTextCodec>

IniFile::IniFile(const QString& path)
    : settings(path, QSettings::IniFormat)
{
    settings.setIniCodec(QTextCodec::codecForName("Windows-1251"));
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
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int IniFile::number(const QString& key, bool* isWhole) const
{
    // A word, a list or a number beyond int reads as 0 (never a wrapped value).
    const QVariant value = settings.value(key);
    if (isWhole)
        *isWhole = false;
    if (value.type() != QVariant::String)
        return 0;
    return value.toString().toInt(isWhole);
}
