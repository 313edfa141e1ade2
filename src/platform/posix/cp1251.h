#pragma once
// Code page 1251, the ANSI code page the POSIX build stands in for.

#include <string>

namespace velmora {

std::string DecodeCp1251(const std::string& bytes);

// Characters that code page 1251 cannot hold become "?".
std::string EncodeCp1251(const std::string& utf8);

}  // namespace velmora
