#ifndef ACTIONCATALOGUE_H
#define ACTIONCATALOGUE_H

#include "actioninfo.h"

#include <QMap>
#include <QStringList>

class GameWorld;

// The actions bought with magic, read from "../config/action.ini", each with a cooldown.
class ActionCatalogue
{
public:
    explicit ActionCatalogue(GameWorld* world);

    QStringList codes() const { return codeList; }
    ActionInfo info(const QString& code) const { return records.value(code); }
    QString name(const QString& code) const;
    QString infoText(const QString& code) const;
    bool canUse(const QString& code) const;
    bool isReady(const QString& code) const;
    void tick(float dt);
    void apply(const QString& code);

private:
    void applyEffect(const ActionInfo& record);

    QStringList codeList;
    QMap<QString, ActionInfo> records;
    QMap<QString, float> cooldowns;
    GameWorld* world;
};

#endif
