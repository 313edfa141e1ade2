#pragma once
// The per-process GDI handle quota. QIP 2005 needs GDI objects for its animated smiles, so a
// large pack can run into the system's default quota; after an installation the program
// offers to raise it. The new quota takes effect only after a restart.

#include <cstdint>

#include "lang/ui_strings.h"
#include "platform/dialogs.h"
#include "platform/registry.h"

namespace velmora {

inline const char* const kGdiQuotaPath =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows\\GDIProcessHandleQuota";

// Writes the quota as a REG_DWORD; true when it was written.
bool WriteGdiQuota(Registry& registry, uint32_t value);

// Compares the quota with what the given number of installed animated smiles needs and, when
// it is too low, asks the user whether to raise it (to 15000 or 20000, never lower). Above 520
// smiles the user is warned that even a raised quota may not be enough. Returns true only when
// the quota was written, and so a restart is needed.
bool CheckGdiQuota(Registry& registry, Dialogs& dialogs, const UiStrings& text, int smiles);

}  // namespace velmora
