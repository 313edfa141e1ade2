#include "platform/posix/posix_platform.h"

#include "platform/mini_reg.h"

namespace velmora {

bool PosixRegistry::ReadDword(const std::string& path, uint32_t& value) {
    std::string key, name;
    if (!SplitValuePath(path, key, name)) return false;
    const auto found = values.find(path);
    if (found == values.end()) return false;
    const Value& stored = found->second;
    if (stored.type != kDword || stored.bytes.size() != 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(stored.bytes[i]);
    return true;
}

bool PosixRegistry::WriteDword(const std::string& path, uint32_t value) {
    std::string key, name;
    if (!writable || !SplitValuePath(path, key, name)) return false;
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    values[path] = {kDword, bytes};
    return true;
}

}  // namespace velmora
