#include "numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vantor {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

std::optional<double> parseNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');

    std::string ascii; // digits and point only, read the same in every locale

    int digits = 0;
    while (i < n && isDigit(text[i])) {
        ascii += char(text[i++].unicode());
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ascii += char(text[i++].unicode());
        while (i < n && isDigit(text[i])) {
            ascii += char(text[i++].unicode());
            ++digits;
        }
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (digits == 0 || i != n)
        return std::nullopt;

    double value = 0;
    const auto [end, error] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<int> parseStoredInteger(QStringView text, int minimum, int maximum)
{
    const auto number = parseNumber(text);
    if (!number || *number != std::trunc(*number) || *number < minimum || *number > maximum)
        return std::nullopt;
    return static_cast<int>(*number);
}

} // namespace vantor
