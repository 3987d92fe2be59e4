#ifndef ACTIONCATALOGUE_H
#define ACTIONCATALOGUE_H

#include "actioninfo.h"
#include "kindtable.h"

class GameWorld;

// The actions bought with magic, read from "../config/action.ini", each with a cooldown.
class ActionCatalogue : public KindTable<ActionInfo>
{
public:
    explicit ActionCatalogue(GameWorld* world);

    bool canUse(const QString& code) const;
    bool isReady(const QString& code) const;
    void tick(float dt);
    // Whether the action could be used and was.
    bool apply(const QString& code);

private:
    void applyEffect(const ActionInfo& record);

    QMap<QString, float> cooldowns;
    GameWorld* world;
};

#endif
