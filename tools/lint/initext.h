#ifndef INITEXT_H
#define INITEXT_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

// The raw bytes of an INI file, used only to say WHERE something is (line numbers, group
// headers, the encoding); every value judged comes from the game's own reader.
class IniText
{
public:
    struct Header
    {
        QString name; // as written between the brackets, read as Windows-1251
        int line = 0;
    };
    enum class Encoding { Windows1251, Utf8, Utf8WithMark, Utf16 };

    explicit IniText(const QByteArray& bytes);

    Encoding encoding() const;
    // The first line holding a byte above 127 (0 when there is none).
    int firstNonAsciiLine() const;
    QString lineText(int line) const;
    const QVector<Header>& headers() const { return headerList; }
    // The line of the group's header (its last one when repeated); 0 when absent.
    int lineOfGroup(const QString& group) const;
    // The line of "key=" inside the group's sections (the last one), else the group's line.
    int lineOfKey(const QString& group, const QString& key) const;
    // Every line of "key=" inside the group's sections, in file order.
    QVector<int> linesOfKey(const QString& group, const QString& key) const;

private:
    // Indexed once, so that a catalogue of a hundred thousand keys is checked in linear time.
    void indexKeys();

    QByteArray bytes;
    QList<QByteArray> lines;
    QVector<Header> headerList;
    QHash<QString, int> lastHeaderLine;
    QHash<QString, QHash<QString, QVector<int>>> keyLines; // by group, then key
};

#endif
