#ifndef NEWGAMELAUNCHER_H
#define NEWGAMELAUNCHER_H

#include <QStringList>

#include <functional>

// A fresh run of the game, start menu included, as a process of its own: the same program with
// the same arguments, started in the folder this run plays in, so that it plays the same data.
// A game is never restarted inside a run. A test puts its own start in place of the real one.
class NewGameLauncher
{
public:
    using Start = std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>;

    // An empty start puts QProcess::startDetached back.
    static void setStart(const Start& start);
    // True when the new run has started.
    static bool launch();
};

#endif
