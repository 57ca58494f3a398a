// The CFG writer over any state of the options and three kinds of game folder (a valve folder, none, a file named
// valve), with an earlier CFG file in place and a disk that takes only so many bytes where the input asks for them.
// A written file must be complete; a failed write leaves the earlier file as it was and nothing behind.

#include "check.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/numbers.h"
#include "launch/numericfields.h"
#include "support/memoryview.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>

#include <sys/resource.h>

using namespace vantor;

namespace {

enum Target { ValveFolder, NoValve, ValveIsAFile };

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesBelow(const QString &folder)
{
    QStringList entries;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        entries << it.next().mid(folder.size() + 1);
    entries.sort();
    return entries;
}

// The header's five lines, every row without a field, skill, console speed and mouselook; then "exec" and "map" when
// on with a name, and each numeric line when on with a number other than 0.
qsizetype expectedLines(const MemoryView &view)
{
    qsizetype lines = 31;
    lines += view.isOn("chkcfg") && !view.text("txtcfg").isEmpty();
    lines += view.isOn("chkmap") && !view.text("txtmap").isEmpty();
    for (const NumericField &field : numericFields()) {
        const auto number = parseNumber(view.text(field.key));
        lines += view.isOn(field.checkKey) && number && *number != 0;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir scratch;
    [[maybe_unused]] static const auto sizeSignal = std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails
    const std::uint8_t *next = data, *const end = data + size; // past the end every byte is 0
    const auto byte = [&] { return next == end ? 0 : *next++; };
    const Target target = Target(byte() % 3);
    const bool earlierFile = (byte() % 2 && target == ValveFolder) || target == ValveIsAFile;
    const rlim_t diskBytes = rlim_t(byte()) * 4; // 0: no limit
    MemoryView view;
    for (auto &[key, state] : view.checks)
        state = byte() % 3;
    for (auto &[key, position] : view.positions)
        position = option(key).minimum + byte() % (option(key).maximum - option(key).minimum + 1);
    for (auto &[key, text] : view.texts) { // the bytes up to the next 0xFF, a byte that UTF-8 never holds
        const std::uint8_t *start = next;
        while (next != end && *next != 0xFF)
            ++next;
        if (start != end)
            text = QString::fromUtf8(reinterpret_cast<const char *>(start), next - start);
        byte();
    }

    const QString game = scratch.filePath(QStringLiteral("game")), valve = game + QStringLiteral("/valve");
    QDir(game).removeRecursively();
    QDir().mkpath(target == ValveFolder ? valve : game);
    const QString path = cfgFilePath(game, QLatin1String(temporaryCfgName));
    const QString earlierPath = target == ValveIsAFile ? valve : path;
    const QByteArray earlier = "exec earlier.cfg\r\n";
    if (earlierFile) {
        QFile file(earlierPath);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    }

    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{diskBytes, limit.rlim_max};
    if (diskBytes)
        setrlimit(RLIMIT_FSIZE, &small);
    const bool written = writeCfgFile(path, view);
    setrlimit(RLIMIT_FSIZE, &limit);

    FUZZ_CHECK(written == (target == ValveFolder) || (target == ValveFolder && diskBytes));
    if (written) {
        const QByteArray content = contentOf(path);
        const qsizetype lines = expectedLines(view);
        FUZZ_CHECK(content == cfgFileContent(view)); // the state the write repaired
        FUZZ_CHECK(content.endsWith("\r\n") && content.count("\r\n") == lines && content.count('\r') == lines &&
                   content.count('\n') == lines);
    } else if (earlierFile) {
        FUZZ_CHECK(contentOf(earlierPath) == earlier);
    }
    QStringList expected; // and nothing else: no temporary file left behind
    if (target != NoValve)
        expected << QStringLiteral("valve");
    if (target == ValveFolder && (written || earlierFile))
        expected << QStringLiteral("valve/") + QLatin1String(temporaryCfgName);
    FUZZ_CHECK(entriesBelow(game) == expected);
    return 0;
}
