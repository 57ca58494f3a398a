#include "setupcheck.h"

#include "causes.h"
#include "commandline.h"
#include "gamelaunch.h"
#include "mods.h"
#include "smallfile.h"
#include "steamlibraries.h"
#include "systemparts.h"
#include "vdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace vantor {
namespace {

using Mark = Finding::Mark;

constexpr int reportedLogLines = 50;
constexpr qint64 logTailRead = 64 * 1024;

// Valve's own games beside Half-Life, which the 25th-anniversary update brought along.
constexpr const char *valvesMods[] = {"valve", "bshift",  "cstrike",  "czero", "dmc",
                                      "dod",   "gearbox", "ricochet", "tfc"};

class Checker {
    Q_DECLARE_TR_FUNCTIONS(SetupCheck)
public:
    explicit Checker(const SetupPlace &place) : m_place(place) {}

    SetupCheck run()
    {
        if (gameFolder()) {
            steamInstall();
            libraries();
            steamRunning();
            mod();
            inodes();
            flatpakReach();
            cfgFolder();
        }
        return m_check;
    }

private:
    void add(Mark mark, const QString &what, const QString &mend = {}) { m_check.findings.append({mark, what, mend}); }
    QString shown(const QString &path) const { return withTilde(path, m_place.home); }
    Distro distro()
    {
        if (!m_distro)
            m_distro = distroOf(m_place.root);
        return *m_distro;
    }

    // The folder and the edition of the game in it; false where there is no game to check further.
    bool gameFolder()
    {
        const QString browse = tr("Choose the Half-Life folder with Browse beside HL Dir.");
        if (!m_place.folderChosen)
            add(Mark::Warning,
                tr("No Half-Life folder has been chosen in Vantor yet: this is where Half-Life usually is."), browse);
        if (m_place.gameFolder.isEmpty() || !QFileInfo(m_place.gameFolder).isDir()) {
            add(Mark::Blocks, tr("The Half-Life folder %1 is not there.").arg(shown(m_place.gameFolder)), browse);
            return false;
        }
        m_finds = findGame(m_place.gameFolder, false, QString(), m_place.home, m_place.root);
        const QString folder = shown(m_finds.folder);
        if (!QFileInfo(m_finds.game).isFile()) {
            add(Mark::Blocks, tr("%1 holds none of hl.sh, hl_linux and hl.exe.").arg(folder),
                tr("Choose the folder that holds Half-Life and its valve folder with Browse, or install Half-Life "
                   "in Steam."));
            return false;
        }
        m_native = QFileInfo(m_finds.game).fileName() != QLatin1String("hl.exe");
        m_start = chooseGameStart(m_finds, QString(), QString());
        if (m_native)
            add(Mark::Fine,
                tr("The Linux edition of Half-Life (%1) in %2.").arg(QFileInfo(m_finds.game).fileName(), folder));
        else if (m_finds.windowsGame && m_finds.wine.isEmpty())
            add(Mark::Blocks,
                tr("Only the Windows edition of Half-Life (hl.exe) is in %1, and wine is not installed "
                   "to run it.")
                    .arg(folder),
                tr("Install wine, or the Linux edition of Half-Life through Steam."));
        else
            add(Mark::Fine, tr("The Windows edition of Half-Life (hl.exe) in %1.").arg(folder));
        return true;
    }

    // Whether Steam installed the game, which client keeps it, and the branch it installed.
    void steamInstall()
    {
        m_library = steamLibraryOf(m_finds.folder);
        if (m_library.isEmpty()) {
            add(Mark::Fine, tr("Not installed by Steam: Vantor starts the game itself."));
            return;
        }
        QString client = tr("the native Steam client");
        if (m_finds.library == SteamClient::Flatpak)
            client = tr("the Flatpak's Steam client");
        else if (m_library.startsWith(m_place.home + QStringLiteral("/snap/steam/")))
            client = tr("the Snap's Steam client");
        if (m_start.direct)
            add(Mark::Warning,
                tr("Installed by Steam, but no Steam client is installed here to start it through: Vantor starts the "
                   "game itself."),
                causeMend(Cause::SteamNotRunning, distro(), {}, true));
        else if (m_finds.library == SteamClient::Unknown)
            add(Mark::Warning, tr("Installed by Steam, in a library that no Steam client here lists."),
                tr("Add the library in Steam's settings (Storage), so that Steam finds the game that Vantor asks it "
                   "to start."));
        else
            add(Mark::Fine, tr("Installed by Steam, in a library of %1, which starts it.").arg(client));
        branch();
    }

    void branch()
    {
        const Vdf manifest = readVdf(readSmallFile(steamAppsFolder(m_library) + QStringLiteral("/appmanifest_70.acf")));
        const Vdf *state = manifest.child(QStringLiteral("AppState"));
        if (!state)
            return;
        const Vdf *chosen = state->at({QStringLiteral("UserConfig"), QStringLiteral("BetaKey")});
        const Vdf *mounted = state->at({QStringLiteral("MountedConfig"), QStringLiteral("BetaKey")});
        const QString installed = mounted ? mounted->value : chosen ? chosen->value : QString();
        m_defaultBranch = isDefault(installed);
        const Vdf *build = state->child(QStringLiteral("buildid"));
        m_check.branch = build ? tr("%1, build %2").arg(branchName(installed), build->value) : branchName(installed);
        add(Mark::Fine, tr("The branch that Steam installed: %1.").arg(m_check.branch));
        if (chosen && mounted && chosen->value.compare(mounted->value, Qt::CaseInsensitive) != 0)
            add(Mark::Warning,
                tr("The branch chosen in Steam, %1, is not installed yet.").arg(branchName(chosen->value)),
                tr("Start Steam and let it finish updating Half-Life."));
    }

    // Steam names the default branch "public", or nothing.
    static bool isDefault(const QString &key)
    {
        return key.isEmpty() || key.compare(QLatin1String("public"), Qt::CaseInsensitive) == 0;
    }

    QString branchName(const QString &key) const
    {
        if (isDefault(key))
            return tr("the default one (the 25th-anniversary build)");
        if (key.compare(QLatin1String("steam_legacy"), Qt::CaseInsensitive) == 0)
            return tr("steam_legacy (the build from before the 25th-anniversary update)");
        return key;
    }

    void libraries()
    {
        if (!m_native)
            return;
        const QList<SystemPiece> missing = missing32BitPieces(m_place.root);
        if (missing.isEmpty())
            add(Mark::Fine, tr("The 32-bit libraries that the game needs are there: the loader, the C library, "
                               "OpenGL and its driver."));
        for (const SystemPiece piece : missing) {
            switch (piece) {
            case SystemPiece::Loader:
                add(Mark::Blocks, tr("The 32-bit loader (/lib/ld-linux.so.2) is missing."));
                break;
            case SystemPiece::CLibrary: add(Mark::Blocks, tr("The 32-bit C library (libc.so.6) is missing.")); break;
            case SystemPiece::OpenGl:
                add(Mark::Blocks, tr("The 32-bit OpenGL library (libGL.so.1) is missing."));
                break;
            default:
                add(Mark::Blocks, tr("No 32-bit OpenGL driver is installed (Mesa's libGLX_mesa.so.0 with its dri "
                                     "folder, or NVIDIA's libGLX_nvidia.so.0)."));
            }
            m_check.findings.last().mend = installCommand(distro(), {piece});
        }
        if (!m_start.direct)
            add(Mark::Fine, tr("Steam starts the game with its own runtime, which brings the game's other libraries "
                               "but not these."));
    }

    // The Steam edition started directly needs the client running.
    void steamRunning()
    {
        if (!m_native || !m_start.direct)
            return;
        const RunningSteam running = runningSteam(m_place.home, m_place.root, m_place.runtime);
        if (running.native)
            add(Mark::Fine, tr("The Steam client is running, as this edition of Half-Life needs."));
        else if (running.flatpak)
            add(Mark::Warning,
                tr("Only the Flatpak's Steam client is running, which a game that Vantor starts itself may not reach."),
                tr("Start the native Steam client, or choose the Half-Life folder of the Flatpak's Steam library so "
                   "that Vantor starts the game through it."));
        else
            add(Mark::Blocks, tr("The Steam client is not running, and this edition of Half-Life needs it."),
                causeMend(Cause::SteamNotRunning, distro(), {}, !m_library.isEmpty()));
    }

    void mod()
    {
        const QString &mod = m_place.mod;
        if (mod.isEmpty())
            return;
        const QString folder = m_finds.folder + u'/' + mod;
        if (mod.contains(u'/') || !QFileInfo(folder).isDir()) {
            add(Mark::Blocks, tr("The mod folder %1 is not in the Half-Life folder.").arg(mod),
                tr("Install the mod into the Half-Life folder, or turn the Mod field off."));
            return;
        }
        if (!QFileInfo(folder + QStringLiteral("/liblist.gam")).isFile()) {
            add(Mark::Blocks,
                tr("The folder %1 holds no liblist.gam, so the game does not take it for a mod.").arg(mod),
                tr("Install the mod whole, or choose another with the Mod field."));
            return;
        }
        if (!m_native) {
            add(Mark::Fine, tr("The mod %1 and its liblist.gam are there.").arg(mod));
            return;
        }
        const QString server =
            liblistValue(readSmallFile(folder + QStringLiteral("/liblist.gam")), QStringLiteral("gamedll_linux"))
                .replace(u'\\', u'/');
        if (server.isEmpty())
            add(Mark::Blocks, tr("The mod %1 has no Linux library.").arg(mod), windowsOnlyMod(mod));
        else if (modLibrary(mod, server) && !m_library.isEmpty() && m_defaultBranch &&
                 std::none_of(std::begin(valvesMods), std::end(valvesMods), [&](const char *valves) {
                     return mod.compare(QLatin1String(valves), Qt::CaseInsensitive) == 0;
                 }))
            m_check.findings.last().mend =
                tr("Mods made before the 25th-anniversary update need Steam's steam_legacy branch: should this one "
                   "fail, choose that branch in Steam (Half-Life's Properties, Betas).");
        if (QFileInfo(folder + QStringLiteral("/cl_dlls/client.so")).exists())
            modLibrary(mod, QStringLiteral("cl_dlls/client.so"));
    }

    // Whether the mod's library is one the game can load; the finding says so either way.
    bool modLibrary(const QString &mod, const QString &library)
    {
        switch (binaryKind(m_finds.folder + u'/' + mod + u'/' + library)) {
        case Binary::I386:
            add(Mark::Fine, tr("The library %2 of the mod %1 is a 32-bit Linux library.").arg(mod, library));
            return true;
        case Binary::Missing:
            add(Mark::Blocks,
                tr("The library %2 of the mod %1, which its liblist.gam names, is not there.").arg(mod, library),
                tr("Install the mod again, whole."));
            break;
        case Binary::X86_64:
            add(Mark::Blocks,
                tr("The library %2 of the mod %1 is a 64-bit library, which the 32-bit game cannot load.")
                    .arg(mod, library),
                tr("Get the mod's 32-bit (i386) build for Linux."));
            break;
        case Binary::Windows:
            add(Mark::Blocks, tr("The library %2 of the mod %1 is a Windows library.").arg(mod, library),
                windowsOnlyMod(mod));
            break;
        case Binary::Other:
            add(Mark::Blocks,
                tr("The library %2 of the mod %1 is no library that the game can load.").arg(mod, library),
                tr("Install the mod again, whole."));
        }
        return false;
    }

    void inodes()
    {
        if (!m_native)
            return;
        const InodeSample sample = sampleInodes(m_finds.folder, m_place.inodeLimit);
        if (sample.tooLarge == 0)
            add(Mark::Fine, tr("The game's files have inode numbers that the 32-bit game can take (%1 looked at).")
                                .arg(sample.looked));
        else
            add(Mark::Blocks,
                tr("%1 of %2 files looked at in the game folder have inode numbers above 32 bits, and the 32-bit game "
                   "fails to find such files.")
                    .arg(sample.tooLarge)
                    .arg(sample.looked),
                tr("Move the game to a file system that hands out 32-bit inode numbers, such as ext4 or XFS mounted "
                   "with inode32, copying its files anew."));
    }

    void flatpakReach()
    {
        const QString own = m_place.home + QStringLiteral("/.var/app/com.valvesoftware.Steam/");
        if (m_library.isEmpty() || m_finds.library != SteamClient::Flatpak || m_library.startsWith(own))
            return;
        if (flatpakReaches(m_library, m_place.home, m_place.root))
            add(Mark::Fine, tr("The Flatpak's Steam client may use the library %1.").arg(shown(m_library)));
        else
            add(Mark::Blocks, tr("The Flatpak's Steam client has not been given the library %1.").arg(shown(m_library)),
                tr("Give it the library: %1")
                    .arg(QStringLiteral("flatpak override --user ") + shellQuoted("--filesystem=" + m_library) +
                         QStringLiteral(" com.valvesoftware.Steam")));
    }

    void cfgFolder()
    {
        const QFileInfo valve(m_finds.folder + QStringLiteral("/valve"));
        if (valve.isDir() && valve.isWritable())
            add(Mark::Fine, tr("Vantor can write its CFG file into %1.").arg(shown(valve.filePath())));
        else
            add(Mark::Blocks,
                tr("Vantor cannot write its CFG file into %1: the folder is missing or not writable.")
                    .arg(shown(valve.filePath())),
                tr("Choose the Half-Life folder, the one that holds valve, with Browse; or make valve writable for "
                   "you."));
    }

    const SetupPlace &m_place;
    SetupCheck m_check;
    GameFinds m_finds;
    GameStart m_start;
    QString m_library;
    bool m_native = false;
    bool m_defaultBranch = false;
    std::optional<Distro> m_distro;
};

// The last lines of the game's log.
QStringList logLines(const QString &path)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly) || !log.seek(std::max<qint64>(0, log.size() - logTailRead)))
        return {};
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - reportedLogLines));
}

QString indented(const QStringList &lines)
{
    return lines.isEmpty() ? QString() : QStringLiteral("  ") + lines.join(QStringLiteral("\n  ")) + u'\n';
}

} // namespace

bool SetupCheck::blocks() const
{
    return std::any_of(findings.begin(), findings.end(), [](const Finding &f) { return f.mark == Mark::Blocks; });
}

SetupCheck checkSetup(const SetupPlace &place) { return Checker(place).run(); }

QString findingLines(const QList<Finding> &findings, const QString &home)
{
    QString lines;
    QStringList mends; // a mend said once for all the lines that it mends
    for (const Finding &finding : findings) {
        const char *mark = finding.mark == Mark::Fine      ? QT_TRANSLATE_NOOP("SetupCheck", "[ok]")
                           : finding.mark == Mark::Warning ? QT_TRANSLATE_NOOP("SetupCheck", "[warning]")
                                                           : QT_TRANSLATE_NOOP("SetupCheck", "[blocks]");
        lines += QCoreApplication::translate("SetupCheck", mark) + u' ' + finding.what + u'\n';
        if (!finding.mend.isEmpty() && !mends.contains(finding.mend))
            lines += QStringLiteral("    ") + finding.mend + u'\n', mends << finding.mend;
    }
    return withTilde(lines, home);
}

QString checkSummary(const SetupCheck &check)
{
    const auto blocking = std::count_if(check.findings.begin(), check.findings.end(),
                                        [](const Finding &f) { return f.mark == Mark::Blocks; });
    if (blocking)
        return QCoreApplication::translate("SetupCheck", "Half-Life will not start: %n thing(s) stop it.", nullptr,
                                           int(blocking));
    const bool warned = std::any_of(check.findings.begin(), check.findings.end(),
                                    [](const Finding &f) { return f.mark == Mark::Warning; });
    return warned ? QCoreApplication::translate("SetupCheck", "Nothing that Vantor checks stops Half-Life, but mind "
                                                              "the warnings.")
                  : QCoreApplication::translate("SetupCheck", "Nothing that Vantor checks stops Half-Life.");
}

QString withTilde(QString text, const QString &home)
{
    if (home.isEmpty() || home == QLatin1String("/"))
        return text;
    // Only the whole folder: /home/al is not /home/alice's beginning.
    static const QString after = QStringLiteral(R"((?=$|[/\s'",:;.)]))");
    return text.replace(QRegularExpression(QRegularExpression::escape(home) + after), QStringLiteral("~"));
}

QString setupReport(const ReportParts &parts, const QString &home)
{
    const auto said = [](const char *text) { return QCoreApplication::translate("SetupCheck", text); };
    QStringList cfg;
    for (const QString &line : QString::fromLocal8Bit(parts.cfg).split(QRegularExpression(QStringLiteral("\r?\n"))))
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1String("//")))
            cfg << line;
    QString report = said(QT_TRANSLATE_NOOP("SetupCheck", "Vantor's report on Half-Life")) + u'\n';
    if (!parts.happened.isEmpty())
        report += parts.happened + u'\n';
    report += u'\n' + said(QT_TRANSLATE_NOOP("SetupCheck", "Start:")) + u'\n' + indented({parts.startLine});
    report += said(QT_TRANSLATE_NOOP("SetupCheck", "CFG lines:")) + u'\n' + indented(cfg);
    report += said(QT_TRANSLATE_NOOP("SetupCheck", "Branch:")) + u'\n' +
              indented({parts.check.branch.isEmpty() ? said(QT_TRANSLATE_NOOP("SetupCheck", "not installed by Steam"))
                                                     : parts.check.branch});
    report += said(QT_TRANSLATE_NOOP("SetupCheck", "Setup check:")) + u' ' + checkSummary(parts.check) + u'\n' +
              findingLines(parts.check.findings, home);
    report += QCoreApplication::translate("SetupCheck", "The game's last lines (%1):").arg(parts.logPath) + u'\n' +
              indented(logLines(parts.logPath));
    return withTilde(report, home);
}

} // namespace vantor
