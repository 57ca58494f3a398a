#include "gamewatch.h"

#include "causes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

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

QString logTail()
{
    QFile log(gameLogPath());
    if (!log.open(QIODevice::ReadOnly) || !log.seek(std::max<qint64>(0, log.size() - logTailRead)))
        return {};
    return QString::fromLocal8Bit(log.readAll());
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
    // The game writes its log itself, so that the log goes on when Vantor has gone.
    if (QDir().mkpath(QFileInfo(gameLogPath()).path()))
        game->setStandardOutputFile(gameLogPath());
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
    connect(game, &QProcess::finished, this, [this](int code, QProcess::ExitStatus how) {
        m_time.stop();
        m_game->deleteLater();
        m_game = nullptr;
        if (how == QProcess::NormalExit && code == 0) {
            emit settled();
            return;
        }
        const QString output = logTail();
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        emit endedAtOnce({how == QProcess::CrashExit ? QCoreApplication::translate("GameWatch", "a crash")
                                                     : QCoreApplication::translate("GameWatch", "status %1").arg(code),
                          lines.mid(std::max<qsizetype>(0, lines.size() - lastLinesShown)),
                          adviceFor(output, m_start)});
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
