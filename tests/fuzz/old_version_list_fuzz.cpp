// Old_Version_for_Erase.ini: the older versions it lists, which must be lines of the file, in
// order, and never a comment, an empty line or an identity being installed; and the naming of
// the new folders when a folder of their name holds the input as its record.

#include <algorithm>
#include <cstdlib>

#include "base/text_lines.h"
#include "fuzz_world.h"
#include "install/infium_names.h"
#include "install/version_record.h"
#include "platform/file_lines.h"

void velmora::fuzz::Input(FuzzWorld& world, const std::string& bytes) {
    static const PackDescription pack = [] {
        PackDescription described;
        described.NameAndVersion = "Vesna 2.1";
        described.PackType = "fulllite";
        described.CreationDate = "01.09.2010";
        return described;
    }();
    static const std::vector<InfiumVariant> variants = InfiumVariantsOf(pack);
    const FileLines file =
        ReadLines(world.files, world.Write("Source SMP\\Old_Version_for_Erase.ini", bytes));
    const std::vector<std::string> older = ReadOldVersionList(file.lines, variants);
    size_t next = 0;  // the entries come from the file's lines in order
    for (const std::string& entry : older) {
        const bool own = std::any_of(variants.begin(), variants.end(),
                                     [&](const InfiumVariant& v) { return v.identity == entry; });
        if (!IsDataLine(entry) || own) std::abort();
        while (next < file.lines.size() && file.lines[next] != entry)
            ++next;
        if (next++ == file.lines.size()) std::abort();
    }

    const std::string record =
        world.Write("QIP\\Smilies\\Vesna 2.1 full\\" + std::string(kVersionRecordName), bytes);
    const InfiumNames names =
        ChooseInfiumNames(world.files, world.Path("QIP\\Smilies"), pack, variants);
    const std::string identity = ReadVersionRecord(world.files, record, RecordField::Identity);
    const bool same = LowerAscii(identity) == LowerAscii(variants[0].identity);
    if (names.renames != (same ? 0 : 1) || names.samePackFound != same) std::abort();
}
