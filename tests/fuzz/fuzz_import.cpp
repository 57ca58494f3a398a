// Vantor reads back what it writes: for any option state that a user can reach (the directory-not-found mode off),
// reading its own command line and then its own CFG file into any other state gives back the same command line and
// the same CFG file. The input makes both states.

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/importer.h"
#include "launch/numericfields.h"
#include "support/memoryview.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace vantor;

namespace {

// Letters of every kind a field's text may hold: the command line's and the CFG file's separators among them.
const QString letters = QStringLiteral(" \"\\+-./:;0123456789abcmxyzACZ\r\n\t\u00e9\u2028//exec map rate");

// A state from the bytes: boxes 0 to 2, sliders within their range, texts no longer than a user may type; the
// numeric fields put right as the window would, and the directory-not-found mode off.
MemoryView state(const std::uint8_t *&next, const std::uint8_t *end)
{
    const auto byte = [&] { return next == end ? 0 : *next++; };
    MemoryView view;
    for (auto &[key, value] : view.values) {
        const Option &opt = option(key);
        if (opt.kind == OptionKind::Check) {
            value = QString::number(byte() % 3);
        } else if (opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar) {
            value = QString::number(opt.minimum + byte() % (opt.maximum - opt.minimum + 1));
        } else if (opt.kind != OptionKind::ReadOnly) {
            value.clear();
            for (int length = byte() % ((opt.typingLimit ? opt.typingLimit : 24) + 1); length > 0; --length)
                value += letters[byte() % letters.size()];
        }
    }
    view.setCheck("chkdnf", 0);
    checkNumericFields(view);
    return view;
}

// A failed check aborts, so that libFuzzer keeps the input as a crash and the replay of the corpus fails its test.
void check(bool held, const char *what)
{
    if (!held)
        std::fprintf(stderr, "check failed: %s\n", what), std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::uint8_t *next = data, *const end = data + size;
    MemoryView original = state(next, end), other = state(next, end);
    other.setCheck("chkdnf", end != next && *next % 2); // any other state, that mode too
    const QByteArray cfg = cfgFileContent(original);    // as Run does: the file first, repairing what it must
    const QString line = buildParameters(original);
    importCommandLine(other, line);
    importCfgFile(other, QString::fromLocal8Bit(cfg));
    check(buildParameters(other) == line, "the command line reads back");
    check(cfgFileContent(other) == cfg, "the CFG file reads back");
    return 0;
}
