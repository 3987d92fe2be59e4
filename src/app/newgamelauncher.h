#ifndef NEWGAMELAUNCHER_H
#define NEWGAMELAUNCHER_H

#include <QStringList>

#include <functional>

// A fresh run of the game, start menu included, as a process of its own: the same program with
// the same arguments, started in the folder this run plays in, so that it plays the same data.
// A game is never restarted inside a run. The window that offers a new game owns its launcher;
// a test hands that window a start of its own.
class NewGameLauncher
{
public:
    using Start = std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>;

    // Starts with QProcess::startDetached.
    NewGameLauncher();
    // An empty start means QProcess::startDetached too.
    explicit NewGameLauncher(const Start& start);

    // True when the new run has started.
    bool launch() const;

private:
    Start start;
};

#endif
