// Smile`s_version.txt: every field of a record whose text is the input, and a record written
// from those fields, which must read back the same: in the ANSI code page when it holds them,
// in UTF-8 otherwise.

#include <cstdlib>

#include "fuzz_world.h"
#include "install/version_record.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    const std::string path = world.Write(kVersionRecordName, bytes);
    const RecordField fields[] = {RecordField::Identity, RecordField::Amount, RecordField::Type};
    std::string read[3];
    for (int i = 0; i < 3; ++i)
        read[i] = ReadVersionRecord(world.files, path, fields[i]);
    WriteVersionRecord(world.files, world.folder, read[0], read[2], read[1]);
    for (int i = 0; i < 3; ++i) {
        if (ReadVersionRecord(world.files, path, fields[i]) != read[i]) std::abort();
    }
}
