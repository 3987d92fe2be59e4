#include "inifile.h"

#include "boundedfile.h"
#include "datalimits.h"

#include <QTextCodec>

namespace {
// Characters that end a run of plain text in a line or a value.
bool isSpecial(QChar c)
{
    return c == QLatin1Char('=') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\\')
        || c == QLatin1Char('"') || c == QLatin1Char(';');
}

bool isLineSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
        || c == QLatin1Char('\f') || c == QLatin1Char('\v');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// One logical line of the file: [start, end), with the first "=" outside quotes, or -1.
struct Line
{
    int start = 0;
    int end = 0;
    int equals = -1;
};

// Finds the next logical line from pos, as Qt's reader does: leading space skipped, a line
// going on past a line break inside quotes or after a backslash, and ending before a ";"
// outside quotes (a ";" that begins a line makes the whole line a comment). False at the end.
bool nextLine(const QString& text, int& pos, Line& line)
{
    const int size = text.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && isLineSpace(text.at(line.start)))
        ++line.start;
    int i = line.start;
    while (i < size) {
        while (i < size && !isSpecial(text.at(i)))
            ++i;
        if (i == size)
            break;
        const QChar c = text.at(i++);
        if (c == QLatin1Char('=')) {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == QLatin1Char('\\')) {
            if (i < size) {
                const QChar escaped = text.at(i++);
                // "\r\n" and "\n\r" after a backslash are one line break.
                if (i < size && ((escaped == QLatin1Char('\n') && text.at(i) == QLatin1Char('\r'))
                                 || (escaped == QLatin1Char('\r') && text.at(i) == QLatin1Char('\n'))))
                    ++i;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (i == line.start + 1) { // a ";" beginning the line: all of it is a comment
            while (i < size && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
                ++i;
            while (i < size && isLineSpace(text.at(i)))
                ++i;
            line.start = i;
        } else if (!inQuotes) {
            --i;
            break;
        }
    }
    pos = i;
    line.end = i;
    return line.end > line.start;
}

// A group or key name: "%XX" and "%UXXXX" name a character, a backslash is the "/" that
// separates groups.
QString unescapedName(QStringView name)
{
    QString result;
    result.reserve(name.size());
    int i = 0;
    while (i < name.size()) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('\\')) {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == name.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        const bool wide = name.at(i + 1) == QLatin1Char('U');
        const int first = wide ? i + 2 : i + 1;
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= name.size() ? name.mid(first, digits).toString().toUShort(&ok, 16) : 0;
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// "a//b/" is "a/b", as Qt's settings name a key.
QString normalizedPath(const QString& path)
{
    QString result;
    result.reserve(path.size());
    for (const QChar c : path) {
        if (c == QLatin1Char('/') && (result.isEmpty() || result.endsWith(QLatin1Char('/'))))
            continue;
        result += c;
    }
    if (result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

// What the text of a "[...]" line names: the general group (the keys outside any group) as "",
// any other group as its path.
QString groupOfHeader(QStringView line)
{
    const int close = line.indexOf(QLatin1Char(']'));
    const QString name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed().toString();
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
        return name.mid(1);
    return normalizedPath(unescapedName(name));
}

void chopBlanks(QString& text, int limit)
{
    int size = text.size();
    while (size > limit && isBlank(text.at(size - 1)))
        --size;
    text.truncate(size);
}

const char kEscapes[][2] = { { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' }, { 'n', '\n' }, { 'r', '\r' }, { 't', '\t' },
                             { 'v', '\v' }, { '"', '"' }, { '?', '?' }, { '\'', '\'' }, { '\\', '\\' } };

// The value of c as a digit of base 16 or 8, or -1.
int digitValue(QChar c, int base)
{
    const char l = c.toLatin1();
    int value = -1;
    if (l >= '0' && l <= '9')
        value = l - '0';
    else if (l >= 'a' && l <= 'f')
        value = l - 'a' + 10;
    else if (l >= 'A' && l <= 'F')
        value = l - 'A' + 10;
    return value < base ? value : -1;
}

// The digits of a "\x" (base 16) or "\0" (base 8) escape from i on, as one UTF-16 unit that
// wraps as Qt's reader wraps it.
ushort escapedNumber(QStringView text, int& i, int base, ushort value)
{
    for (; i < text.size() && digitValue(text.at(i), base) >= 0; ++i)
        value = static_cast<ushort>(value * base + digitValue(text.at(i), base));
    return value;
}

// The backslash escape at text[i] (just past the backslash) added to out; i moves past it.
void addEscape(QStringView text, int& i, QString& out)
{
    const QChar c = text.at(i++);
    for (const auto& escape : kEscapes) {
        if (c == QLatin1Char(escape[0])) {
            out += QLatin1Char(escape[1]);
            return;
        }
    }
    if (c == QLatin1Char('x')) {
        if (i < text.size() && digitValue(text.at(i), 16) >= 0)
            out += QChar(escapedNumber(text, i, 16, 0));
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('7')) {
        out += QChar(escapedNumber(text, i, 8, static_cast<ushort>(c.unicode() - '0')));
    } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
        // A line break after a backslash continues the value; "\r\n" or "\n\r" counts once.
        if (i < text.size() && (text.at(i) == QLatin1Char('\n') || text.at(i) == QLatin1Char('\r')) && text.at(i) != c)
            ++i;
    }
    // Any other escaped character is dropped, as Qt's reader drops it.
}

// A value as Qt's reader reads it: blanks around it trimmed, quotes dropped (keeping what is
// inside them), escapes read, and unquoted commas splitting it into a list.
IniFile::Value valueOf(QStringView text)
{
    IniFile::Value value;
    QStringList items;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    int i = 0;
    bool skipBlanks = true;
    int chopLimit = 0;
    while (i <= text.size()) {
        if (skipBlanks) {
            while (i < text.size() && isBlank(text.at(i)))
                ++i;
            skipBlanks = false;
            chopLimit = current.size();
        }
        if (i == text.size())
            break;
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            if (++i == text.size())
                break;
            addEscape(text, i, current);
            chopLimit = current.size();
        } else if (c == QLatin1Char('"')) {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            skipBlanks = !inQuotes;
        } else if (c == QLatin1Char(',') && !inQuotes) {
            if (!quoted)
                chopBlanks(current, chopLimit);
            value.isList = true;
            items.append(current);
            current.clear();
            quoted = false;
            ++i;
            skipBlanks = true;
        } else {
            int j = i + 1;
            while (j < text.size() && text.at(j) != QLatin1Char('\\') && text.at(j) != QLatin1Char('"') && text.at(j) != QLatin1Char(','))
                ++j;
            current.append(text.data() + i, j - i);
            i = j;
        }
    }
    if (!quoted)
        chopBlanks(current, chopLimit);
    items.append(current);
    value.text = value.isList ? items.join(QStringLiteral(", ")) : current;
    return value;
}
}

IniFile::IniFile(const QString& path)
{
    const BoundedFile file = BoundedFile::read(path, DataLimits::kCatalogueBytes);
    if (file.isRead())
        parse(file.bytes());
    else if (file.verdict() != BoundedFile::Verdict::Missing)
        BoundedFile::sayOnce(path, file.problem(), QStringLiteral("read as an empty catalogue"));
}

IniFile IniFile::fromBytes(const QByteArray& bytes)
{
    IniFile file;
    file.parse(bytes);
    return file;
}

void IniFile::parse(const QByteArray& windows1251)
{
    // A UTF-8 byte-order mark is dropped before the rest is decoded, as Qt's reader did.
    const QByteArray bytes = windows1251.startsWith("\xEF\xBB\xBF") ? windows1251.mid(3) : windows1251;
    const QString text = QTextCodec::codecForName("Windows-1251")->toUnicode(bytes);
    QString section;
    int pos = 0;
    Line line;
    while (nextLine(text, pos, line)) {
        const QStringView view = QStringView(text).mid(line.start, line.end - line.start);
        if (view.startsWith(QLatin1Char('['))) {
            section = groupOfHeader(view);
            continue;
        }
        if (line.equals < 0)
            continue;
        int keyEnd = line.equals;
        while (keyEnd > line.start && isBlank(text.at(keyEnd - 1)))
            --keyEnd;
        const QString key = unescapedName(QStringView(text).mid(line.start, keyEnd - line.start));
        const QString path = normalizedPath(section + QLatin1Char('/') + key);
        if (!path.isEmpty())
            values.insert(path, valueOf(QStringView(text).mid(line.equals + 1, line.end - line.equals - 1)));
    }
}

QString IniFile::pathOf(const QString& key) const
{
    return normalizedPath(group + QLatin1Char('/') + key);
}

QStringList IniFile::children(bool wantGroups) const
{
    const QString prefix = group.isEmpty() ? QString() : group + QLatin1Char('/');
    QStringList names;
    for (auto it = values.lowerBound(prefix); it != values.constEnd() && it.key().startsWith(prefix); ++it) {
        const QString rest = it.key().mid(prefix.size());
        const int slash = rest.indexOf(QLatin1Char('/'));
        if (wantGroups != (slash >= 0))
            continue;
        const QString name = wantGroups ? rest.left(slash) : rest;
        // A group's keys lie together in the sorted map.
        if (names.isEmpty() || names.last() != name)
            names.append(name);
    }
    // "a!/x" sorts before "a/x", yet group "a" before group "a!".
    names.sort();
    return names;
}

QStringList IniFile::groups() const
{
    return children(true);
}

QStringList IniFile::keys() const
{
    return children(false);
}

bool IniFile::contains(const QString& key) const
{
    return values.contains(pathOf(key));
}

void IniFile::beginGroup(const QString& name)
{
    group = pathOf(name);
}

void IniFile::endGroup()
{
    const int slash = group.lastIndexOf(QLatin1Char('/'));
    group = slash < 0 ? QString() : group.left(slash);
}

QString IniFile::text(const QString& key) const
{
    // An unquoted value with commas, such as "Быстрая, но хрупкая", comes back whole.
    return values.value(pathOf(key)).text;
}

int IniFile::number(const QString& key, bool* isWhole) const
{
    // A word, a list or a number beyond int reads as 0 (never a wrapped value).
    const Value value = values.value(pathOf(key));
    if (isWhole)
        *isWhole = false;
    if (value.isList)
        return 0;
    return value.text.toInt(isWhole);
}
