#pragma once
// The program's version as the about-program page, LOG.txt and the version resource show it.
// The number is the project's version, which the build passes in; the release is named after
// it too.

#ifndef VELMORA_VERSION
#error "VELMORA_VERSION is defined by the build"
#endif

namespace velmora {

inline constexpr const char* kProgramVersion = VELMORA_VERSION ".lang";
inline constexpr const char* kBuildDate = "22.10.2010";

}  // namespace velmora
