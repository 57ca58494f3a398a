#pragma once

// Every web address that Vantor names, in one place.

namespace vantor::weblinks {

// Vantor's own home page; the CFG files it writes name it in their header.
inline constexpr char homePage[] = "https://corvana.example/vantor/";

} // namespace vantor::weblinks
