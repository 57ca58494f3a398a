#include "gamewatch.h"

#include "causes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <unistd.h>

namespace vantor {
namespace {

constexpr int lastLinesShown = 8;
constexpr qint64 logTailRead = 64 * 1024; // enough for the last lines and the causes they name

// The games whose watch is over. They are held, never ended, not even when Vantor ends: a QProcess that is deleted
// ends its program.
QList<QProcess *> &gamesRunningOn()
{
    static auto *games = new QList<QProcess *>;
    return *games;
}

// The end of what this start wrote, from FROM on: another game may have written before it.
QString logTail(qint64 from)
{
    QFile log(gameLogPath());
    if (!log.open(QIODevice::ReadOnly) || !log.seek(std::max(from, log.size() - logTailRead)))
        return {};
    return QString::fromLocal8Bit(log.readAll());
}

// Opens the log for a start: moved aside once it has grown past its limit, then a line that says when and what was
// started. Returns where the game's output is to go (the log, or nowhere), where this start's lines begin, and why
// the log could not be kept.
struct LogPlace {
    QString path;
    qint64 from = 0;
    QString problem;
};

LogPlace openLog(const GameStart &start)
{
    const QString path = gameLogPath(), folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return {QProcess::nullDevice(), 0,
                QCoreApplication::translate("GameWatch", "the folder %1 could not be made").arg(folder)};
    if (const QFileInfo log(path); log.isFile() && log.size() > logLimit) {
        QFile::remove(path + QStringLiteral(".1"));
        QFile::rename(path, path + QStringLiteral(".1"));
    }
    // Appended to, never cut short: a game started before may still write to it.
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return {QProcess::nullDevice(), 0, log.errorString()};
    const QString said = QStringLiteral("==== %1 Vantor starts: %2\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODate), shellLine(start));
    if (log.write(said.toLocal8Bit()) < 0 || !log.flush())
        return {QProcess::nullDevice(), 0, log.errorString()};
    // The offset as the system has it: another game's lines may stand between the open and the write.
    return {path, lseek(log.handle(), 0, SEEK_CUR), {}};
}

} // namespace

QString gameLogPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) // a relative one is to be ignored
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/vantor/game.log");
}

GameWatch::GameWatch(QObject *parent) : QObject(parent)
{
    m_time.setSingleShot(true);
    m_time.setTimerType(Qt::PreciseTimer); // the whole of the seconds: a coarse timer may end 5 % early
    connect(&m_time, &QTimer::timeout, this, [this] {
        letGo();
        emit settled();
    });
}

GameWatch::~GameWatch() { letGo(); }

bool GameWatch::start(const GameStart &start, QString *whyNot)
{
    letGo();                   // a game started before runs on unwatched
    auto *game = new QProcess; // of no parent: nothing that ends with Vantor may end the game
    game->setProgram(start.program);
    game->setArguments(start.arguments);
    game->setWorkingDirectory(start.workingDirectory);
    game->setStandardInputFile(QProcess::nullDevice());
    if (!start.environment.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &setting : start.environment)
            environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        game->setProcessEnvironment(environment);
    }
    // The game writes its log itself, so that the log goes on when Vantor has gone; where there can be no log, its
    // output goes nowhere, never to Vantor, whose end would end a game that wrote to it.
    const LogPlace log = openLog(start);
    game->setStandardOutputFile(log.path, QIODevice::Append);
    game->setProcessChannelMode(QProcess::MergedChannels);
    // A session of its own: a hang-up of the terminal that Vantor ran in does not reach the game.
    game->setChildProcessModifier([] { setsid(); });
    game->start();
    if (!game->waitForStarted()) {
        if (whyNot)
            *whyNot = game->errorString();
        delete game;
        return false;
    }
    m_game = game;
    m_start = start;
    m_logFrom = log.from;
    m_logProblem = log.problem.isEmpty()
                       ? QString()
                       : QCoreApplication::translate("GameWatch", "Its output could not be written to "
                                                                  "%1: %2")
                             .arg(gameLogPath(), log.problem);
    connect(game, &QProcess::finished, this, [this](int code, QProcess::ExitStatus how) {
        m_time.stop();
        m_game->deleteLater();
        m_game = nullptr;
        if (how == QProcess::NormalExit && code == 0) {
            emit settled();
            return;
        }
        const QString output = m_logProblem.isEmpty() ? logTail(m_logFrom) : QString();
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // A shell says that a signal ended its program as 128 and the signal's number: so hl.sh says a crash.
        const bool crashed = how == QProcess::CrashExit || (code > 128 && code < 128 + NSIG);
        emit endedAtOnce({crashed ? QCoreApplication::translate("GameWatch", "a crash")
                                  : QCoreApplication::translate("GameWatch", "status %1").arg(code),
                          lines.mid(std::max<qsizetype>(0, lines.size() - lastLinesShown)), adviceFor(output, m_start),
                          m_logProblem});
    });
    m_time.start(watchedMs);
    return true;
}

void GameWatch::letGo()
{
    if (!m_game)
        return;
    m_time.stop();
    disconnect(m_game, nullptr, this, nullptr);
    QProcess *game = m_game;
    gamesRunningOn() << game;
    // Let go, it is forgotten once it ends of itself.
    connect(game, &QProcess::finished, game, [game] {
        gamesRunningOn().removeOne(game);
        game->deleteLater();
    });
    m_game = nullptr;
}

} // namespace vantor
