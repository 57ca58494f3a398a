#pragma once

#include "gamelaunch.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

class QProcess;

namespace vantor {

// A game that ended as soon as it started: how, its last lines of output, and what to do for the causes Vantor knows.
struct GameEnding {
    QString status; // "status 1", or "a crash"
    QStringList lastLines;
    QStringList advice;
    QString logProblem; // why the game's output could not be kept in the log; empty when it was
};

// Where the output of the games that Vantor starts itself goes: $XDG_STATE_HOME/vantor/game.log, or
// ~/.local/state/vantor/game.log. Each start adds a line that says when and what was started, then the game's own
// output; a log grown past logLimit is moved to game.log.1 at the next start.
QString gameLogPath();
inline constexpr qint64 logLimit = 1 << 20;

// Starts the game itself, in a session of its own with its output in the game log, and watches its first seconds:
// when it ends with an error within them, it says so. A game still running then runs on, and nothing ever ends it:
// neither this watch's end nor Vantor's.
class GameWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int watchedMs = 5000;

    explicit GameWatch(QObject *parent = nullptr);
    ~GameWatch() override;

    // False, with the reason in WHYNOT, when the program could not be started at all.
    bool start(const GameStart &start, QString *whyNot);
    bool watching() const { return m_game != nullptr; }

signals:
    void endedAtOnce(const vantor::GameEnding &ending);
    // The watch is over without a word: the game runs on, or it ended well.
    void settled();

private:
    void letGo();

    QProcess *m_game = nullptr;
    GameStart m_start;
    qint64 m_logFrom = 0; // where this start's lines begin in the log
    QString m_logProblem;
    QTimer m_time;
};

} // namespace vantor
