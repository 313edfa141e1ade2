#include "install/version_record.h"

#include "base/unexpected_error.h"
#include "platform/file_lines.h"

namespace velmora {

std::string PackIdentity(const PackDescription& pack, const std::string& variantWord) {
    return pack.NameAndVersion + " " + variantWord + " " + pack.CreationDate;
}

void WriteVersionRecord(Files& files, const std::string& folder, const std::string& identity,
                        const std::string& kindName, const std::string& count) {
    const std::string path = folder + "\\" + kVersionRecordName;
    const std::string text = "\r\n" + identity + "\r\nAmount of smiles:\r\n" + count +
                             "\r\nType of smiles:\r\n" + kindName + "\r\n";
    const FileStatus written = files.WriteText(path, text);
    if (!written.ok) throw UnexpectedFileError(path, written.reason);
}

std::string ReadVersionRecord(Files& files, const std::string& recordPath, RecordField field) {
    const size_t index = field == RecordField::Identity ? 1 : field == RecordField::Amount ? 3 : 5;
    const FileLines record = ReadLines(files, recordPath);
    return index < record.lines.size() ? record.lines[index] : std::string();
}

}  // namespace velmora
