#include "cataloguechecker.h"

#include "lintreport.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {
const QString kSaveAs1251 = QStringLiteral("save the file as Windows-1251 (cp1251)");

int editDistance(const QString& a, const QString& b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({ row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1) });
            diagonal = above;
        }
    }
    return row[b.size()];
}
}

CatalogueChecker::CatalogueChecker(const CatalogueRules& rules, const QByteArray& bytes,
                                   LintReport& report)
    : rules(rules)
    , text(bytes)
    , file(IniFile::fromBytes(bytes))
    , report(report)
{
}

void CatalogueChecker::check()
{
    checkEncoding();
    checkHeaders();
    codeList = file.groups();
    if (codeList.isEmpty()) {
        const QString message = QStringLiteral("no %1 kinds are read from this file; the game plays without any; "
                                               "add a group such as [code] with its keys").arg(rules.kind);
        rules.mayBeEmpty ? report.warning(rules.file, 0, message) : report.error(rules.file, 0, message);
    }
    for (const QString& code : std::as_const(codeList))
        checkGroup(code);
    checkColumn();
}

void CatalogueChecker::checkEncoding()
{
    switch (text.encoding()) {
    case IniText::Encoding::Utf16:
        report.error(rules.file, 1, QStringLiteral("the file is saved as UTF-16; the game reads Windows-1251 and finds "
                                                   "nothing it knows in it; ") + kSaveAs1251);
        break;
    case IniText::Encoding::Utf8WithMark:
        report.error(rules.file, 1, QStringLiteral("the file is saved as UTF-8 with a byte-order mark; the game reads "
                                                   "Windows-1251, so its Russian texts come out garbled; ") + kSaveAs1251);
        break;
    case IniText::Encoding::Utf8: {
        const int line = text.firstNonAsciiLine();
        report.error(rules.file, line, QStringLiteral("%1 is UTF-8 text; the game reads Windows-1251 and shows it "
                                                      "garbled; ").arg(quoted(text.lineText(line))) + kSaveAs1251);
        break;
    }
    case IniText::Encoding::Windows1251:
        break;
    }
}

void CatalogueChecker::checkHeaders()
{
    static const QRegularExpression plainWord(QStringLiteral("^[A-Za-z0-9_]+$"));
    QMap<QString, int> firstLine;
    for (const IniText::Header& header : text.headers()) {
        if (!plainWord.match(header.name).hasMatch())
            report.error(rules.file, header.line,
                         QStringLiteral("group [%1] is not a plain ASCII word; the game uses the group name as the %2's "
                                        "code and in its picture's file name, and a \"/\" splits it into two groups; "
                                        "use only letters a-z, digits and _").arg(header.name, rules.kind));
        if (firstLine.contains(header.name))
            report.error(rules.file, header.line,
                         QStringLiteral("group [%1] appears again (first at line %2); the game merges both into one "
                                        "%3, the later keys winning; rename or remove one")
                             .arg(header.name).arg(firstLine.value(header.name)).arg(rules.kind));
        else
            firstLine.insert(header.name, header.line);
    }
}

void CatalogueChecker::checkGroup(const QString& code)
{
    file.beginGroup(code);
    checkKeys(code);
    for (const QString& key : rules.texts + rules.optionalTexts + rules.englishKeys())
        checkMarkup(code, key);
    checkEnglish(code);
    for (const QString& key : rules.texts) {
        if (!file.contains(key))
            report.warning(rules.file, text.lineOfGroup(code),
                           QStringLiteral("[%1] has no %2; the game shows an empty text; add %2=...").arg(code, key));
    }
    for (const CatalogueRules::Number& rule : rules.numbers)
        checkNumber(code, rule);
    file.endGroup();
}

// English texts translate a kind's own: a group of nothing else is a kind the Russian game plays
// nameless and without numbers, most likely a misspelt code.
void CatalogueChecker::checkEnglish(const QString& code)
{
    const QStringList english = rules.englishKeys();
    const QStringList keys = file.keys();
    const bool translatesSomething = std::any_of(keys.begin(), keys.end(), [&](const QString& key) { return english.contains(key); });
    const bool onlyEnglish = std::all_of(keys.begin(), keys.end(), [&](const QString& key) { return english.contains(key); });
    if (translatesSomething && onlyEnglish) {
        report.error(rules.file, text.lineOfGroup(code),
                     QStringLiteral("[%1] holds nothing but English texts; the game makes a %2 of it with no Russian name and "
                                    "no numbers; if they translate another group (a misspelt code?), move them there")
                         .arg(code, rules.kind));
        return;
    }
    if (!rules.englishExpected)
        return;
    for (const QString& key : rules.translatedTexts) {
        const QString englishKey = TextLanguage::keyIn(key, TextLanguage::English);
        if (file.contains(key) && file.text(englishKey).isEmpty())
            report.warning(rules.file, text.lineOfKey(code, key),
                           QStringLiteral("[%1] has no %2; the game in English shows the Russian %3 instead; add %2=...")
                               .arg(code, englishKey, key));
    }
}

// Name[de] and the like: a language the game does not speak, not a slip of the English key.
bool CatalogueChecker::isOtherLanguage(const QString& key) const
{
    static const QRegularExpression translated(QStringLiteral("^(\\w+)\\[([a-z]{2,3}(_[A-Z]{2})?(@\\w+)?)\\]$"));
    const QRegularExpressionMatch match = translated.match(key);
    return match.hasMatch() && rules.translatedTexts.contains(match.captured(1))
        && match.captured(2) != TextLanguage::code(TextLanguage::English);
}

// The game shows every text as written; a modder who writes a tag expects it to format the text.
void CatalogueChecker::checkMarkup(const QString& code, const QString& key)
{
    const QString value = file.text(key);
    if (!Qt::mightBeRichText(value))
        return;
    report.warning(rules.file, text.lineOfKey(code, key),
                   QStringLiteral("%1 of [%2] looks like HTML markup, %3; the game shows every text as written, tags "
                                  "and all, and never reads a picture or a style from it; write plain text")
                       .arg(key, code, quoted(value)));
}

void CatalogueChecker::checkKeys(const QString& code)
{
    const QStringList known = knownKeys();
    const QStringList keys = file.keys();
    for (const QString& key : keys) {
        const int line = text.lineOfKey(code, key);
        checkGivenOnce(code, key);
        if (file.text(key).contains(QLatin1Char('\n')))
            report.error(rules.file, line,
                         QStringLiteral("the quote opened in %1 of [%2] is never closed; the game reads the rest of the "
                                        "file into this text and loses the keys and groups below; close the quote")
                             .arg(key, code));
        if (known.contains(key))
            continue;
        if (isOtherLanguage(key)) {
            report.warning(rules.file, line,
                           QStringLiteral("key %1 in [%2] is ignored: the game speaks only Russian (%3) and English (%3[en])")
                               .arg(quoted(key), code, key.left(key.indexOf(QLatin1Char('[')))));
            continue;
        }
        const QString nearest = nearestKey(key);
        if (nearest.isEmpty())
            report.warning(rules.file, line,
                           QStringLiteral("key %1 in [%2] is not one the game knows and is ignored; the keys are %3")
                               .arg(quoted(key), code, known.join(QStringLiteral(", "))));
        else
            report.error(rules.file, line,
                         QStringLiteral("key %1 in [%2] is not one the game knows and is ignored; did you mean \"%3\"? "
                                        "(keys are case-sensitive)").arg(quoted(key), code, nearest));
    }
}

// QSettings keeps the last of a key's values: an earlier one is a value the author sees but the
// game never reads.
void CatalogueChecker::checkGivenOnce(const QString& code, const QString& key)
{
    const QVector<int> lines = text.linesOfKey(code, key);
    if (lines.size() < 2)
        return;
    report.warning(rules.file, lines.last(),
                   QStringLiteral("%1 is given %2 times in [%3] (first at line %4); the game takes this last value, "
                                  "%5, and ignores the others; keep one")
                       .arg(key).arg(lines.size()).arg(code).arg(lines.first()).arg(quoted(file.text(key))));
}

void CatalogueChecker::checkNumber(const QString& code, const CatalogueRules::Number& rule)
{
    if (!file.contains(rule.key)) {
        report.error(rules.file, text.lineOfGroup(code), QStringLiteral("[%1] has no %2; the game reads 0; add %2=<whole number>")
                                           .arg(code, rule.key));
        return;
    }
    const int line = text.lineOfKey(code, rule.key);
    bool isWhole = false;
    const int value = file.number(rule.key, &isWhole);
    if (!isWhole) {
        report.error(rules.file, line,
                     QStringLiteral("%1=%2 in [%3] is not a whole number from -2147483648 to 2147483647; the game reads "
                                    "0; write a whole number, without a point or spaces inside")
                         .arg(rule.key, quoted(file.text(rule.key)), code));
        return;
    }
    if (value < rule.least)
        report.error(rules.file, line, QStringLiteral("%1=%2 in [%3]: %4; make it at least %5")
                                           .arg(rule.key).arg(value).arg(code, rule.belowLeast).arg(rule.least));
    else if (value == 0 && rule.zeroWarns)
        report.warning(rules.file, line, QStringLiteral("%1=0 in [%2]: %3; make it at least 1")
                                             .arg(rule.key, code, rule.atZero));
}

void CatalogueChecker::checkColumn()
{
    constexpr int capacity = DataSchema::kColumnCapacity;
    if (!rules.fillsAColumn || codeList.size() <= capacity)
        return;
    report.warning(rules.file, text.lineOfGroup(codeList.at(capacity)),
                   QStringLiteral("%1 %2 kinds, but the window's column holds %3 buttons; the buttons from [%4] on "
                                  "are drawn below the field and cannot be clicked; keep at most %3")
                       .arg(codeList.size()).arg(rules.kind).arg(capacity).arg(codeList.at(capacity)));
}

QString CatalogueChecker::nearestKey(const QString& key) const
{
    constexpr int kSlips = 2;
    for (const QString& known : knownKeys()) {
        if (known.compare(key, Qt::CaseInsensitive) == 0 || editDistance(known, key) <= kSlips)
            return known;
    }
    return QString();
}

QStringList CatalogueChecker::knownKeys() const
{
    QStringList known = rules.texts + rules.optionalTexts + rules.englishKeys();
    for (const CatalogueRules::Number& rule : rules.numbers)
        known << rule.key;
    return known;
}
