#pragma once
// Whether a name built from the pack's description can be the name of one folder inside the
// messenger's folders. The installation empties and removes folders by such names, so a name
// that would reach anywhere else, or that Windows would read otherwise, is refused.

#include <string>

namespace velmora {

// Why the name cannot be a folder's name, in words for the user; empty when it can.
std::string FolderNameFault(const std::string& name);

}  // namespace velmora
