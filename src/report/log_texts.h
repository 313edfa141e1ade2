#pragma once

#include "lang/ui_strings.h"

namespace velmora {

// English stand-ins for the questions about LOG.txt, for a run that ends before any language
// was loaded.
void SetLogFallbackTexts(UiStrings& texts);

}  // namespace velmora
