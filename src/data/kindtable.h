#ifndef KINDTABLE_H
#define KINDTABLE_H

#include "dataschema.h"
#include "inifile.h"
#include "textlanguage.h"

#include <QMap>
#include <QStringList>
#include <QVector>

#include <functional>
#include <utility>

// The records of one catalogue file, read by its schema: the codes in the order the INI reader
// lists the groups, and one record per code. A missing file gives an empty table; a missing key
// an empty text or 0; a code the table does not hold an empty record and empty texts. Names and
// descriptions are read in the current language; a missing or empty English one is the Russian.
template <typename Info>
class KindTable
{
public:
    // What a catalogue makes of a record beyond its keys (easy mode, an action's effect).
    using Adjust = std::function<void(const QString& code, Info& record)>;

    // The game's file, "../config/<file>".
    explicit KindTable(const DataSchema::Catalogue<Info>& schema, const Adjust& adjust = Adjust())
        : KindTable(DataSchema::configPath(QLatin1String(schema.file)), schema, adjust)
    {
    }

    KindTable(const QString& path, const DataSchema::Catalogue<Info>& schema, const Adjust& adjust = Adjust())
        : schema(schema)
    {
        IniFile file(path);
        codeList = file.groups();
        for (const QString& code : std::as_const(codeList)) {
            file.beginGroup(code);
            Info record;
            for (const auto& text : schema.texts)
                record.*text.field = textOf(file, QLatin1String(text.key), text.translated);
            for (const auto& number : schema.numbers)
                record.*number.field = file.number(QLatin1String(number.key));
            if (adjust)
                adjust(code, record);
            records.insert(code, record);
            file.endGroup();
        }
    }

    QStringList codes() const { return codeList; }
    Info info(const QString& code) const { return records.value(code); }
    QString name(const QString& code) const { return records.value(code).name; }

    // The numbers the schema shows, one labelled line each, an empty line and the description.
    QString infoText(const QString& code) const
    {
        const Info* record = find(code);
        if (!record)
            return QString();
        QString text;
        for (const auto& number : schema.numbers) {
            if (number.shownAs)
                text += DataSchema::translated(number.shownAs).arg(record->*number.field) + QLatin1Char('\n');
        }
        return text + QLatin1Char('\n') + record->descr;
    }

protected:
    // A new unit of the kind starts with the kind's code, name, full health, speed and attack.
    template <typename Unit>
    static void giveKind(Unit* unit, const QString& code, const Info& record)
    {
        unit->code = code;
        unit->name = record.name;
        unit->maxHealth = record.maxHealth;
        unit->health = static_cast<float>(record.maxHealth);
        unit->speed = record.speed;
        unit->attack = record.attack;
    }

    // The record of the code, or none; no lookup adds a record.
    const Info* find(const QString& code) const
    {
        const auto found = records.constFind(code);
        return found == records.constEnd() ? nullptr : &found.value();
    }

private:
    static QString textOf(const IniFile& file, const QString& key, bool translated)
    {
        const TextLanguage::Language language = TextLanguage::current();
        if (translated && language != TextLanguage::Russian) {
            const QString text = file.text(TextLanguage::keyIn(key, language));
            if (!text.isEmpty())
                return text;
        }
        return file.text(key);
    }

    const DataSchema::Catalogue<Info>& schema;
    QStringList codeList;
    QMap<QString, Info> records;
};

#endif
