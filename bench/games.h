#pragma once

#include <string>

namespace vantor {
class Form1;
}

namespace vantor::bench {

class Report;

// The bare window's games detach from it and would otherwise become zombies of an init that may never reap them. As
// a subreaper this process inherits them. Vantor's own games are its children, which it reaps itself: reap only
// once its watch of a game is over (settle), or the reaper takes the game from under it.
class GameReaper {
public:
    GameReaper();
    ~GameReaper();
    GameReaper(const GameReaper &) = delete;
    GameReaper &operator=(const GameReaper &) = delete;

    // Collects the games that have ended; returns how many have been collected so far.
    int reap();
    // Waits a while for every game still running to end.
    int reapAll();

    // Games that ended with a status other than 0, or by a signal.
    int failed() const { return m_failed; }

private:
    void count(int status);

    int m_reaped = 0, m_failed = 0;
};

// Points FORM at a game folder made under SCRATCH with FAKEGAME as its game, with "Close Vantor on Run" off so that
// Vantor stays open after each Run. False when the folder cannot be made.
bool prepareRuns(Form1 &form, const std::string &fakeGame, const std::string &scratch);

// Handles events until Vantor's watch of the game it started last is over: the stand-in game ends at once. False
// when it is not over within a few seconds.
bool settle(Form1 &form);

// Clicks "Run Half-Life Now!" a thousand times in a row after a few Runs not counted, and reports how much resident
// memory they left behind and whether every Run started a game that ended well.
void measureRunMemory(Form1 &form, Report &report, bool verbose);

} // namespace vantor::bench
