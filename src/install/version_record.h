#pragma once
// The installed-pack record that lies in every folder a pack was installed into: six lines
// in the ANSI code page (in UTF-8 when a pack's name has letters the code page lacks), each
// ended by CR LF:
//
//   (empty)
//   the pack's identity: name and version, the variant's word, the creation date
//   Amount of smiles:
//   the declared number of smiles of the variant and kind
//   Type of smiles:
//   the kind: "Animated" or "Static"

#include <string>

#include "pack/pack_description.h"
#include "platform/files.h"

namespace velmora {

inline constexpr const char* kVersionRecordName = "Smile`s_version.txt";

// NameAndVersion, the variant's word and CreationDate, separated by blanks.
std::string PackIdentity(const PackDescription& pack, const std::string& variantWord);

// Writes the folder's record, replacing any earlier one. A record that cannot be written
// throws UnexpectedFileError with the file and the system's reason.
void WriteVersionRecord(Files& files, const std::string& folder, const std::string& identity,
                        const std::string& kindName, const std::string& count);

enum class RecordField { Identity, Amount, Type };

// One field of a record: its line 2, 4 or 6. A line the file does not have reads empty, and
// so does every field of a record that cannot be read.
std::string ReadVersionRecord(Files& files, const std::string& recordPath, RecordField field);

}  // namespace velmora
