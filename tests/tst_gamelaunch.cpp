#include "launch/gamelaunch.h"
#include "launch/steamlibraries.h"
#include "support/fakegame.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {
const QString startParameters = QStringLiteral(" -console -numericping -toconsole +exec vantortemp.cfg");
} // namespace

class GameLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() // only our own stand-ins are found on the PATH
    {
        QVERIFY(QDir(m_root.path()).mkdir(QStringLiteral("bin")));
        qputenv("PATH", m_root.filePath(QStringLiteral("bin")).toLocal8Bit() + ":/usr/bin:/bin");
    }

    void gameFile_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("hl.exe") << QStringList{"hl.exe", "hl.sh", "hl_linux"} << "hl.exe";
        QTest::newRow("Linux edition") << QStringList{"hl.sh", "hl_linux"} << "hl.sh";
        QTest::newRow("bare Linux game") << QStringList{"hl_linux"} << "hl_linux";
        QTest::newRow("nothing there") << QStringList{} << "hl.exe";
    }

    void gameFile()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QTemporaryDir game;
        for (const QString &name : files)
            QVERIFY(writeFakeProgram(game.filePath(name)));
        QCOMPARE(vantor::gameFile(game.path(), false, m_root.path()), game.filePath(chosen));
        // A separator at the end stays: the path is joined as it stands.
        QCOMPARE(QDir::cleanPath(vantor::gameFile(game.path() + '/', false, m_root.path())), game.filePath(chosen));
    }

    void bareGameFileOfTheDirNotFoundMode()
    {
        QTemporaryDir own;
        const QString nowhere = QStringLiteral("/nowhere"), onPath = m_root.filePath(QStringLiteral("bin/hl.exe"));
        QCOMPARE(vantor::gameFile(nowhere, true, own.path()), QStringLiteral("hl.exe"));
        QVERIFY(writeFakeProgram(onPath));
        QCOMPARE(vantor::gameFile(nowhere, true, own.path()), onPath);
        QVERIFY(writeFakeProgram(own.filePath(QStringLiteral("hl.exe"))));
        QCOMPARE(vantor::gameFile(nowhere, true, own.path()), own.filePath(QStringLiteral("hl.exe")));
        QFile::remove(onPath);
    }

    void startsDetachedWithSplitArguments()
    {
        QTemporaryDir game, own;
        const QString program = game.filePath(QStringLiteral("hl.exe"));
        QVERIFY(writeFakeProgram(program));
        QVERIFY(startGame(gameStart(program, startParameters + " +name \"Gordon F\" c:\\x", own.path())));
        QTRY_COMPARE(fakeProgramRecord(program),
                     (QStringList{own.path()} + startArguments + QStringList{"+name", "Gordon F", "c:\\x"}));
    }

    void windowsGameRunsThroughWine()
    {
        QTemporaryDir game;
        const QString program = game.filePath(QStringLiteral("hl.exe")), wine = m_root.filePath("bin/wine");
        QVERIFY(writeFakeProgram(program, false)); // not runnable by the system itself
        const GameStart start = gameStart(program, startParameters, m_root.path());
        QVERIFY(!startGame(start)); // no wine on the PATH
        QVERIFY(writeFakeProgram(wine));
        QVERIFY(startGame(start));
        QTRY_COMPARE(fakeProgramRecord(wine), (QStringList{m_root.path(), program} + startArguments));
        QVERIFY(fakeProgramRecord(program).isEmpty());
        // Only hl.exe is taken for a Windows program; a missing file starts nothing at all.
        QVERIFY(writeFakeProgram(game.filePath(QStringLiteral("hl.sh")), false));
        QVERIFY(!startGame(gameStart(game.filePath(QStringLiteral("hl.sh")), startParameters, m_root.path())));
        QVERIFY(!startGame(gameStart(game.filePath(QStringLiteral("gone/hl.exe")), startParameters, m_root.path())));
        QFile::remove(wine);
    }

    // The folder dialog opens in the first Half-Life folder of the two usual Steam folders, then of Steam's libraries.
    void steamLibraries()
    {
        QTemporaryDir home, library;
        const QString listed = library.filePath(QStringLiteral("steamapps/common/Half-Life"));
        const QString usual = home.filePath(QStringLiteral(".steam/steam/steamapps/common/Half-Life"));
        QVERIFY(QDir().mkpath(listed) && QDir().mkpath(home.filePath(QStringLiteral(".local/share/Steam/steamapps"))));
        QFile vdf(home.filePath(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf")));
        QVERIFY(vdf.open(QIODevice::WriteOnly));
        vdf.write("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/no/such/library\"\n\t}\n\t\"1\"\n\t{\n"
                  "\t\t\"path\"\t\t\"" + library.path().toUtf8() + "\"\n\t\t\"label\"\t\t\"\"\n\t}\n}\n");
        vdf.close();
        QCOMPARE(steamHalfLifeFolders(home.path()), QStringList{QFileInfo(listed).canonicalFilePath()});
        QVERIFY(QDir().mkpath(usual));
        QCOMPARE(steamHalfLifeFolders(home.path()),
                 (QStringList{QFileInfo(usual).canonicalFilePath(), QFileInfo(listed).canonicalFilePath()}));
        // Steam escapes a backslash or a quote in a path with a backslash.
        QCOMPARE(steamLibraryPaths("\"path\"  \"D:\\\\Steam \\\"x\\\"\""), QStringList{"D:\\Steam \"x\""});
    }

private:
    QTemporaryDir m_root;
};

VANTOR_TEST_MAIN(GameLaunchTest, QCoreApplication)

#include "tst_gamelaunch.moc"
