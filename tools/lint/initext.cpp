#include "initext.h"

#include <QTextCodec>

namespace {
QString fromWindows1251(const QByteArray& bytes)
{
    return QTextCodec::codecForName("Windows-1251")->toUnicode(bytes);
}

bool isValidUtf8(const QByteArray& bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

bool hasNonAscii(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 127)
            return true;
    }
    return false;
}
}

IniText::IniText(const QByteArray& bytes)
    : bytes(bytes)
    , lines(bytes.split('\n'))
{
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.startsWith('[') && line.endsWith(']'))
            headerList.append({ fromWindows1251(line.mid(1, line.size() - 2)), i + 1 });
    }
    indexKeys();
}

void IniText::indexKeys()
{
    for (int h = 0; h < headerList.size(); ++h) {
        const Header& header = headerList.at(h);
        lastHeaderLine.insert(header.name, header.line);
        QHash<QString, QVector<int>>& keys = keyLines[header.name];
        const int end = h + 1 < headerList.size() ? headerList.at(h + 1).line - 1 : lines.size();
        for (int i = header.line; i < end; ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int equals = line.indexOf('=');
            if (equals > 0)
                keys[fromWindows1251(line.left(equals).trimmed())].append(i + 1);
        }
    }
}

IniText::Encoding IniText::encoding() const
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0'))
        return Encoding::Utf16;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8WithMark;
    if (hasNonAscii(bytes) && isValidUtf8(bytes))
        return Encoding::Utf8;
    return Encoding::Windows1251;
}

int IniText::firstNonAsciiLine() const
{
    for (int i = 0; i < lines.size(); ++i) {
        if (hasNonAscii(lines.at(i)))
            return i + 1;
    }
    return 0;
}

QString IniText::lineText(int line) const
{
    if (line < 1 || line > lines.size())
        return QString();
    return fromWindows1251(lines.at(line - 1)).trimmed();
}

int IniText::lineOfGroup(const QString& group) const
{
    return lastHeaderLine.value(group);
}

int IniText::lineOfKey(const QString& group, const QString& key) const
{
    const QVector<int> found = linesOfKey(group, key);
    return found.isEmpty() ? lineOfGroup(group) : found.last();
}

QVector<int> IniText::linesOfKey(const QString& group, const QString& key) const
{
    return keyLines.value(group).value(key);
}
