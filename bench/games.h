#pragma once

#include <string>

namespace vantor {
class Form1;
}

namespace vantor::bench {

class Report;

// The games detach from their launcher and would otherwise become zombies of an init that may never reap them. As
// a subreaper this process inherits them, and counting them tells how many games really started and how they ended.
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

// Clicks "Run Half-Life Now!" a thousand times in a row after a few Runs not counted, and reports how much resident
// memory they left behind and whether every Run started a game that ended well.
void measureRunMemory(Form1 &form, GameReaper &reaper, Report &report, bool verbose);

} // namespace vantor::bench
