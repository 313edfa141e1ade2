#pragma once
// Where the program's own links lead: the about-program page offers both.

namespace velmora {

inline const char* const kMakerWebPage = "https://velmora.example/";
inline const char* const kMakerEmail = "support@velmora.example";

}  // namespace velmora
