#include "platform/mini_reg.h"

namespace velmora {

bool SplitValuePath(const std::string& path, std::string& key, std::string& name) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return false;
    key = path.substr(0, slash);
    name = path.substr(slash + 1);
    return true;
}

}  // namespace velmora
