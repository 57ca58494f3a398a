#pragma once

// Every web address that Vantor names, in one place.

namespace vantor::weblinks {

// The site that hosts Vantor ("Go to  Corvana!").
inline constexpr char site[] = "https://corvana.example/";
// Vantor's own home page; the CFG files it writes name it in their header.
inline constexpr char homePage[] = "https://corvana.example/vantor/";
// For whoever is still feeling depressed after the comic.
inline constexpr char depressedPage[] = "https://corvana.example/vantor/depressed/";
// The author's page, behind the little picture on the sound page.
inline constexpr char authorPage[] = "https://corvana.example/tovrik/";
inline constexpr char authorMail[] = "tovrik@corvana.example";

} // namespace vantor::weblinks
