// Start-up and the three slots, loaded through the window from whatever settings file lies on disk: the input
// becomes the store's INI file. Nothing may crash, every control stays within its range, the command line can be
// built, and a slot saved from the loaded options loads back the same.

#include "check.h"

#include "launch/options.h"
#include "settings/slots.h"
#include "support/storefile.h"
#include "ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace vantor;

namespace {

// Every option's value as the window holds it, each checked against its range on the way.
QStringList shownOptions(const Form1 &form)
{
    QStringList values;
    for (const Option &opt : optionCatalogue()) {
        if (opt.kind == OptionKind::Check) {
            FUZZ_CHECK(isCheckState(form.check(opt.key)));
            values << QString::number(form.check(opt.key));
        } else if (opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar) {
            FUZZ_CHECK(form.position(opt.key) >= opt.minimum && form.position(opt.key) <= opt.maximum);
            values << QString::number(form.position(opt.key));
        } else {
            values << form.text(opt.key);
        }
    }
    return values;
}

// Whatever the slots hold, the preview shows the command line on one line.
void checkCommandLine(const Form1 &form)
{
    const QString preview = form.prntcmdline->toPlainText();
    FUZZ_CHECK(preview.startsWith(QLatin1String("hl.exe -console")) && !preview.contains(QLatin1Char('\n')));
}

} // namespace

// The store lives in memory where it can: every input saves slots, and a disk would spend most of the time syncing.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QTemporaryDir home(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/vantor-fuzz-XXXXXX") : QString());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    // Qt's warnings about what it cannot read in the file would bury libFuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    storefile::write(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    {
        Form1 form(StartUp{0, false});
        shownOptions(form);
        checkCommandLine(form);
        FUZZ_CHECK(form.text("hldir") != QLatin1String(gameDirectoryNeverChosen));
        for (int slot = 1; slot <= 3; ++slot) {
            form.loadset(slot);
            const QStringList loaded = shownOptions(form);
            checkCommandLine(form);
            form.saveset(slot);
            form.loadset(slot);
            FUZZ_CHECK(shownOptions(form) == loaded);
        }
    }
    // Deleted at exit ahead of the globals Qt set up for the first window (after them, fontconfig's memory leaks).
    [[maybe_unused]] static const int deleteAtExit = std::atexit([] { delete qApp; });
    // The window's timers, now without a receiver, are dropped here rather than piling up.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
