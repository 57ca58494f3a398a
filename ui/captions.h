#pragma once

// Captions that a command changes for a moment and then puts back.

#include <QCoreApplication>

namespace vantor::captions {

// A caption in the user's language.
inline QString said(const char *caption) { return QCoreApplication::translate("Caption", caption); }

inline constexpr char run[] = QT_TRANSLATE_NOOP("Caption", "Run Half-Life Now!");
inline constexpr char couldNotStart[] = QT_TRANSLATE_NOOP("Caption", "Could not start hl.exe!");
inline constexpr char makeCfg[] = QT_TRANSLATE_NOOP("Caption", "Make CFG File:");
inline constexpr char cfgCreated[] = QT_TRANSLATE_NOOP("Caption", "CFG file created");
inline constexpr char enterName[] = QT_TRANSLATE_NOOP("Caption", "Enter a filename!");
inline constexpr char deleteAll[] = QT_TRANSLATE_NOOP("Caption", "Delete all saved settings");
inline constexpr char saveFrame[] = QT_TRANSLATE_NOOP("Caption", "Save:");
inline constexpr char saved[] = QT_TRANSLATE_NOOP("Caption", "Saved");
inline constexpr char notSaved[] = QT_TRANSLATE_NOOP("Caption", "Not saved!");
inline constexpr char commandLineFrame[] = QT_TRANSLATE_NOOP("Caption", "Current Command Line:");
inline constexpr char dirError[] = QT_TRANSLATE_NOOP("Caption", " ERROR: Dir not found!"); // in HL Dir
inline constexpr char commandLineTip[] =
    QT_TRANSLATE_NOOP("Caption", "This is the command line that will be executed, like from the DOS prompt");

} // namespace vantor::captions
