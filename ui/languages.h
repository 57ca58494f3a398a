#pragma once

#include <QLocale>
#include <QString>

namespace vantor {

// Puts Vantor's texts, and Qt's own for its dialogs, into the first of the user's languages that Vantor speaks
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in QLocale's order), or English where it speaks none of them; what it gives
// the game and the settings store it never translates. Returns the language's name: "en", "de", "pt_BR" …
QString useLanguage(const QLocale &locale = QLocale::system());

// The language chosen last.
QString language();

} // namespace vantor
