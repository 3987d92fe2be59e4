#ifndef INIFILE_H
#define INIFILE_H

#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

// Reads one of the game's catalogue files: INI, texts in Windows-1251, one group per code.
// A missing file reads as an empty file; a missing key gives "" or 0.
class IniFile
{
public:
    explicit IniFile(const QString& path);

    QStringList groups() const;
    // The keys of the current group as the file spells them.
    QStringList keys() const;
    bool contains(const QString& key) const;
    void beginGroup(const QString& group);
    void endGroup();
    QString text(const QString& key) const;
    // isWhole, when given, tells whether the value was a whole number in range or read as 0.
    int number(const QString& key, bool* isWhole = nullptr) const;

private:
    // Qt 6 reads INI files only as UTF-8 and Qt 5 in a code page it is told; both read this
    // UTF-8 copy of the file alike. It lives as long as the settings that read it.
    QTemporaryFile utf8Copy;
    QSettings settings;
};

#endif
