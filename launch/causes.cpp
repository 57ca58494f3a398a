#include "causes.h"

#include "mods.h"
#include "smallfile.h"
#include "steamlibraries.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace vantor {
namespace {

// The table of causes: the game's words for each (a pattern of one line, in any case) and what to do about it. A
// line names the first cause whose words it holds, so that a library of the game's own that is missing is not taken
// for one of the system's. Library32's pattern captures the library's name.
struct CauseRow {
    Cause cause;
    const char *words;
    const char *mend;
    const char *mendInLibrary = nullptr; // where the game's folder lies in a Steam library
};

constexpr CauseRow causeTable[] = {
    {Cause::SteamNotRunning,
     R"(SteamAPI_Init\(\) failed|Steam must be running|Failed to initiali[sz]e authentication interface)",
     QT_TRANSLATE_NOOP("Causes", "This edition of Half-Life needs the Steam client running: start Steam first, or "
                                 "choose the Half-Life folder of a Steam library with Browse, so that Vantor starts "
                                 "the game through Steam."),
     QT_TRANSLATE_NOOP("Causes", "This edition of Half-Life needs the Steam client running, and no Steam client is "
                                 "installed here for Vantor to start the game through: install Steam (your "
                                 "distribution's package, or the Flatpak com.valvesoftware.Steam) or start the one "
                                 "you have, then run the game again.")},
    {Cause::SteamLibraries, R"(libsteam_api\.so|Could not load hw\.so)",
     QT_TRANSLATE_NOOP("Causes", "Half-Life was started without the libraries that come with it (libsteam_api.so, "
                                 "hw.so): start it through hl.sh, which sets them up, or through Steam.")},
    {Cause::OpenGl,
     R"(libGL error: failed to load driver|Failed to create SDL Window|Couldn't find matching GLX visual)",
     QT_TRANSLATE_NOOP("Causes", "Half-Life found no 32-bit OpenGL driver. %1")},
    {Cause::Library32, R"(error while loading shared libraries: ([^:\s]+)|(ld-linux\.so\.2))",
     QT_TRANSLATE_NOOP("Causes", "Half-Life is a 32-bit program, and the system lacks the 32-bit library %1 that it "
                                 "needs. %2")},
    {Cause::Sound, R"(SDL_InitSubSystem\(SDL_INIT_AUDIO\) failed|SNDDMA_Init)",
     QT_TRANSLATE_NOOP("Causes", "Half-Life could not open the sound device: put SDL_AUDIODRIVER=pulseaudio (or "
                                 "pipewire) in front of %command% in Custom Parameters, as in "
                                 "\"SDL_AUDIODRIVER=pulseaudio %command%\".")},
    {Cause::ModBuild, R"(could not load library .*client\.so|Couldn't get DLL API|undefined symbol)",
     QT_TRANSLATE_NOOP("Causes", "The mod does not fit this build of Half-Life: a mod made before the "
                                 "25th-anniversary update needs Steam's steam_legacy branch (in Steam, Half-Life's "
                                 "Properties, Betas), or this build of the mod is broken.")},
};

const CauseRow &rowOf(Cause cause)
{
    for (const CauseRow &row : causeTable)
        if (row.cause == cause)
            return row;
    return causeTable[0];
}

QString said(const char *text) { return QCoreApplication::translate("Causes", text); }

// Each distribution's packages of the pieces, in the order of SystemPiece.
struct Packages {
    Distro distro;
    std::array<const char *, 5> names;
};
constexpr Packages packageTable[] = {
    {Distro::Debian, {"libc6:i386", "libc6:i386", "libgl1:i386", "libgl1-mesa-dri:i386", "libstdc++6:i386"}},
    {Distro::Fedora, {"glibc.i686", "glibc.i686", "mesa-libGL.i686", "mesa-dri-drivers.i686", "libstdc++.i686"}},
    {Distro::Arch, {"lib32-glibc", "lib32-glibc", "lib32-libglvnd", "lib32-mesa", "lib32-gcc-libs"}},
};

QString pieceName(SystemPiece piece)
{
    switch (piece) {
    case SystemPiece::Loader: return said(QT_TRANSLATE_NOOP("Causes", "the loader"));
    case SystemPiece::CLibrary: return said(QT_TRANSLATE_NOOP("Causes", "the C library"));
    case SystemPiece::OpenGl: return said(QT_TRANSLATE_NOOP("Causes", "OpenGL"));
    case SystemPiece::GlDriver: return said(QT_TRANSLATE_NOOP("Causes", "an OpenGL driver"));
    case SystemPiece::CppLibrary: return said(QT_TRANSLATE_NOOP("Causes", "the C++ library"));
    }
    return {};
}

// How to find and install the package that holds a library that Vantor does not know.
QString findPackage(Distro distro, const QString &library)
{
    switch (distro) {
    case Distro::Debian:
        return said(QT_TRANSLATE_NOOP("Causes", "Install the :i386 package that holds it (apt-file search %1 names "
                                                "it), after sudo dpkg --add-architecture i386."))
            .arg(library);
    case Distro::Fedora:
        return said(QT_TRANSLATE_NOOP("Causes", "Install the .i686 package that holds it (dnf provides %1 names it)."))
            .arg(library);
    case Distro::Arch:
        return said(QT_TRANSLATE_NOOP("Causes", "Install the lib32- package that holds it (pacman -F %1 names it)."))
            .arg(library);
    case Distro::Other: break;
    }
    return said(QT_TRANSLATE_NOOP("Causes", "Install your distribution's 32-bit (i386) package that holds it."));
}

// Whether the start runs the native edition, whatever wrapper or shell runs it.
bool startsNativeGame(const GameStart &start)
{
    for (const QString &word : QStringList{start.program} + start.arguments) {
        const QString name = QFileInfo(word).fileName();
        if (name == QLatin1String("hl.sh") || name == QLatin1String("hl_linux"))
            return true;
    }
    return false;
}

} // namespace

Distro distroOf(const QString &root)
{
    QByteArray release = readSmallFile(root + QStringLiteral("/etc/os-release"));
    if (release.isEmpty())
        release = readSmallFile(root + QStringLiteral("/usr/lib/os-release"));
    QStringList names;
    static const QRegularExpression line(QStringLiteral(R"re(^(ID|ID_LIKE)=["']?([^"'\n]*))re"),
                                         QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : line.globalMatch(QString::fromUtf8(release)))
        names += match.captured(2).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &name : names) { // ID first: a distribution like two others is its own
        if (name == QLatin1String("debian") || name == QLatin1String("ubuntu"))
            return Distro::Debian;
        if (name == QLatin1String("fedora") || name == QLatin1String("rhel"))
            return Distro::Fedora;
        if (name == QLatin1String("arch"))
            return Distro::Arch;
    }
    return Distro::Other;
}

QString installCommand(Distro distro, const QList<SystemPiece> &pieces)
{
    for (const Packages &packages : packageTable) {
        if (packages.distro != distro)
            continue;
        QStringList names;
        for (const SystemPiece piece : pieces)
            if (const QString name = QLatin1String(packages.names[size_t(piece)]); !names.contains(name))
                names << name;
        const QString list = names.join(QLatin1Char(' '));
        switch (distro) {
        case Distro::Debian:
            return said(QT_TRANSLATE_NOOP("Causes", "Install with: %1"))
                .arg(QStringLiteral("sudo dpkg --add-architecture i386 && sudo apt update && sudo apt install ") +
                     list);
        case Distro::Fedora:
            return said(QT_TRANSLATE_NOOP("Causes", "Install with: %1"))
                .arg(QStringLiteral("sudo dnf install ") + list);
        default:
            return said(QT_TRANSLATE_NOOP("Causes", "Install with (the multilib repository on in /etc/pacman.conf): "
                                                    "%1"))
                .arg(QStringLiteral("sudo pacman -S --needed ") + list);
        }
    }
    QStringList names;
    for (const SystemPiece piece : pieces)
        if (!names.contains(pieceName(piece)))
            names << pieceName(piece);
    return said(QT_TRANSLATE_NOOP("Causes", "Install your distribution's 32-bit (i386) packages of %1."))
        .arg(names.join(QStringLiteral(", ")));
}

std::optional<SystemPiece> pieceOf(const QString &library)
{
    static const std::pair<const char *, SystemPiece> known[] = {
        {"ld-linux.so.2", SystemPiece::Loader},      {"libc.so.6", SystemPiece::CLibrary},
        {"libm.so.6", SystemPiece::CLibrary},        {"libdl.so.2", SystemPiece::CLibrary},
        {"libpthread.so.0", SystemPiece::CLibrary},  {"librt.so.1", SystemPiece::CLibrary},
        {"libGL.so.1", SystemPiece::OpenGl},         {"libGLX.so.0", SystemPiece::OpenGl},
        {"libGLdispatch.so.0", SystemPiece::OpenGl}, {"libGLX_mesa.so.0", SystemPiece::GlDriver},
        {"libstdc++.so.6", SystemPiece::CppLibrary}, {"libgcc_s.so.1", SystemPiece::CppLibrary},
    };
    for (const auto &[name, piece] : known)
        if (library == QLatin1String(name))
            return piece;
    return std::nullopt;
}

QString causeMend(Cause cause, Distro distro, const QString &library, bool inLibrary)
{
    const CauseRow &row = rowOf(cause);
    switch (cause) {
    case Cause::OpenGl: return said(row.mend).arg(installCommand(distro, {SystemPiece::OpenGl, SystemPiece::GlDriver}));
    case Cause::Library32: {
        const std::optional<SystemPiece> piece = pieceOf(library);
        return said(row.mend).arg(library, piece ? installCommand(distro, {*piece}) : findPackage(distro, library));
    }
    default: return said(inLibrary && row.mendInLibrary ? row.mendInLibrary : row.mend);
    }
}

QString windowsOnlyMod(const QString &mod)
{
    return said(QT_TRANSLATE_NOOP("Causes", "The mod %1 has no library for Linux (its liblist.gam names no "
                                            "gamedll_linux): it runs only with the Windows edition of Half-Life, "
                                            "hl.exe through wine."))
        .arg(mod);
}

NamedCauses causesIn(const QString &output)
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> compiled;
        for (const CauseRow &row : causeTable)
            compiled << QRegularExpression(QLatin1String(row.words), QRegularExpression::CaseInsensitiveOption);
        return compiled;
    }();
    NamedCauses named;
    for (const QStringView line : QStringView(output).split(QLatin1Char('\n'))) {
        for (qsizetype i = 0; i < patterns.size(); ++i) {
            const QRegularExpressionMatch match = patterns[i].match(line);
            if (!match.hasMatch())
                continue;
            if (!named.causes.contains(causeTable[i].cause))
                named.causes << causeTable[i].cause;
            const QString library = match.captured(1) + match.captured(2);
            if (causeTable[i].cause == Cause::Library32 && !named.libraries.contains(library))
                named.libraries << library;
            break;
        }
    }
    std::sort(named.causes.begin(), named.causes.end());
    return named;
}

QStringList adviceFor(const QString &output, const GameStart &start, const QString &root)
{
    QStringList advice;
    const NamedCauses named = causesIn(output);
    const Distro distro = named.causes.isEmpty() ? Distro::Other : distroOf(root);
    const bool inLibrary = !steamLibraryOf(start.workingDirectory).isEmpty();
    for (const Cause cause : named.causes) {
        if (cause != Cause::Library32)
            advice << causeMend(cause, distro, {}, inLibrary);
        for (const QString &library : cause == Cause::Library32 ? named.libraries : QStringList())
            advice << causeMend(cause, distro, library);
    }
    // A mod of the native edition needs a library of its own for Linux.
    const qsizetype game = start.arguments.indexOf(QStringLiteral("-game"));
    if (game >= 0 && game + 1 < start.arguments.size() && startsNativeGame(start)) {
        const QString mod = start.arguments[game + 1];
        const QByteArray liblist =
            readSmallFile(start.workingDirectory + QLatin1Char('/') + mod + QStringLiteral("/liblist.gam"));
        if (!liblist.isEmpty() && liblistValue(liblist, QStringLiteral("gamedll_linux")).isEmpty())
            advice << windowsOnlyMod(mod);
    }
    if (advice.isEmpty())
        advice << said(QT_TRANSLATE_NOOP("Causes", "Vantor does not know this cause. Start Half-Life once from "
                                                   "Steam, which sets up what the game needs, and read the game's "
                                                   "log in full: its cause is often a few lines above the end."));
    return advice;
}

} // namespace vantor
