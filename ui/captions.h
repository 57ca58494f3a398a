#pragma once

// Captions that a command changes for a moment and then puts back.

namespace vantor::captions {

inline constexpr char run[] = "Run Half-Life Now!";
inline constexpr char makeCfg[] = "Make CFG File:";
inline constexpr char saveFrame[] = "Save:";

} // namespace vantor::captions
