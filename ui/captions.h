#pragma once

// Captions that a command changes for a moment and then puts back.

namespace vantor::captions {

inline constexpr char run[] = "Run Half-Life Now!";
inline constexpr char couldNotStart[] = "Could not start hl.exe!";
inline constexpr char makeCfg[] = "Make CFG File:";
inline constexpr char cfgCreated[] = "CFG file created";
inline constexpr char enterName[] = "Enter a filename!";
inline constexpr char deleteAll[] = "Delete all saved settings";
inline constexpr char saveFrame[] = "Save:";
inline constexpr char commandLineFrame[] = "Current Command Line:";
inline constexpr char commandLineTip[] = "This is the command line that will be executed, like from the DOS prompt";

} // namespace vantor::captions
