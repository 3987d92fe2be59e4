#ifndef INIFILE_H
#define INIFILE_H

#include <QByteArray>
#include <QMap>
#include <QStringList>

// Reads one of the game's catalogue files: INI, texts in Windows-1251, one group per code. The
// file is read whole, up to DataLimits::kCatalogueBytes, and decoded and parsed in memory, the
// way Qt's INI settings read it (quotes, escapes, ";" comments, "\" continuing a line, [General]
// for the keys outside any group), without writing any file. A missing file reads as an empty
// file, and so does one that is not a regular file or is over the limit, said on stderr; a
// missing key gives "" or 0.
class IniFile
{
public:
    explicit IniFile(const QString& path);
    // The bytes as the whole content of a catalogue file.
    static IniFile fromBytes(const QByteArray& bytes);

    QStringList groups() const;
    // The keys of the current group as the file spells them.
    QStringList keys() const;
    bool contains(const QString& key) const;
    void beginGroup(const QString& group);
    void endGroup();
    QString text(const QString& key) const;
    // isWhole, when given, tells whether the value was a whole number in range or read as 0.
    int number(const QString& key, bool* isWhole = nullptr) const;

    struct Value
    {
        QString text;
        // An unquoted comma made a list, which reads as its items joined by ", " or as 0.
        bool isList = false;
    };

private:
    IniFile() = default;
    void parse(const QByteArray& windows1251);
    QString pathOf(const QString& key) const;
    // The names directly below the current group: the keys, or the groups holding keys.
    QStringList children(bool wantGroups) const;

    // By the key's path, "group/key", as Qt's settings name them.
    QMap<QString, Value> values;
    QString group;
};

#endif
