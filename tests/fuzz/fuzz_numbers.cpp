// The one reading of numbers that all of Vantor shares, held to what it promises. The input is 8 bytes of a double
// for the rounding, two 32-bit integers bounding the stored reading, then the text to read, in UTF-8.

#include "check.h"

#include "launch/numbers.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

using namespace vantor;

namespace {

// Rounding with halves to the even neighbour, worked out apart from the code under test.
void checkInt16(double value)
{
    const double below = std::floor(value), rest = value - below;
    const double rounded = rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0) ? below + 1 : below;
    const bool fits = std::isfinite(value) && rounded >= -32768 && rounded <= 32767;
    const auto converted = toInt16(value);
    FUZZ_CHECK(converted.has_value() == fits && (!fits || *converted == rounded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    unsigned char head[16] = {};
    std::memcpy(head, data, std::min(size, sizeof head));
    double raw;
    std::int32_t minimum, maximum;
    std::memcpy(&raw, head, 8);
    std::memcpy(&minimum, head + 8, 4);
    std::memcpy(&maximum, head + 12, 4);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + std::min(size, sizeof head),
                                           qsizetype(size - std::min(size, sizeof head)));
    checkInt16(raw);

    // Blanks, a sign, digits with a point somewhere (or a point and digits), blanks.
    static const QRegularExpression grammar(
        QRegularExpression::anchoredPattern(QStringLiteral("[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*")));
    const bool inGrammar = grammar.match(text).hasMatch();
    const auto number = parseNumber(text);
    if (number) {
        FUZZ_CHECK(inGrammar && std::isfinite(*number));
        bool read = false; // Qt's own reading of the same text agrees wherever it takes it
        const double qtValue = text.trimmed().toDouble(&read);
        FUZZ_CHECK(!read || qtValue == *number);
        checkInt16(*number);
    } else {
        FUZZ_CHECK(!inGrammar || text.size() > 30); // only hundreds of digits go beyond a double
    }

    const auto stored = parseStoredInteger(text, minimum, maximum);
    const bool wholeInRange = number && *number == std::trunc(*number) && *number >= minimum && *number <= maximum;
    FUZZ_CHECK(stored.has_value() == wholeInRange && (!stored || *stored == *number));
    return 0;
}
