#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace vantor {

// The one reading of a number that every part of Vantor shares: optional blanks, an optional sign, digits with an
// optional point and fraction (or a point and digits), optional blanks. At least one digit; no exponent, no
// thousands separator, no "inf" or "nan". "22." and ".5" are numbers, so a user can type "22.5" key by key.
std::optional<double> parseNumber(QStringView text);

// A number rounded to a 16-bit integer, halves to the even neighbour (22.5 gives 22, 3.5 gives 4); nothing when the
// rounded value lies outside -32768 to 32767.
std::optional<std::int16_t> toInt16(double value);

// A whole number that the settings store holds, read strictly: it must be a number, whole, and within
// [minimum, maximum]; anything else is nothing.
std::optional<int> parseStoredInteger(QStringView text, int minimum, int maximum);

} // namespace vantor
