#pragma once
// The registry values the program reads and writes, all under HKEY_LOCAL_MACHINE. A value is
// named by one path: its key, a backslash and the value's name.

#include <cstdint>
#include <string>

namespace velmora {

class Registry {
  public:
    virtual ~Registry() = default;

    // Reads a REG_DWORD value of exactly 4 bytes. A missing key or value, another type or size,
    // and a path without a backslash all fail and leave value as it was.
    virtual bool ReadDword(const std::string& path, uint32_t& value) = 0;

    // Writes a REG_DWORD value, creating its key when it is missing. A path without a backslash
    // fails and writes nothing.
    virtual bool WriteDword(const std::string& path, uint32_t value) = 0;
};

}  // namespace velmora
