#pragma once
// Files and folders as the program sees them. Paths and texts are UTF-8; paths use "\" as
// the separator whatever the system underneath. Text files are kept on disk in the system's
// ANSI code page, or in UTF-8 when that cannot hold them; the implementation converts at this
// boundary.

#include <string>
#include <vector>

namespace velmora {

// Result of a file operation: ok, or the system's own words for why it failed.
struct FileStatus {
    bool ok = true;
    std::string reason;

    static FileStatus Failed(std::string why) { return {false, std::move(why)}; }
};

struct FileText {
    FileStatus status;
    std::string text;  // UTF-8
};

// What a path names. A junction or a symbolic link (a reparse point) is a link, whatever it
// leads to.
enum class PathKind { Missing, File, Folder, Link };

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool hidden = false;  // hidden or a system entry, which a user does not see
};

class Files {
  public:
    virtual ~Files() = default;

    // True when the path names a file whose modification time can be read; a folder is no file.
    virtual bool IsFile(const std::string& path) = 0;

    // True when the path names an existing folder.
    virtual bool IsFolder(const std::string& path) = 0;

    // What the path itself names; a link is not followed.
    virtual PathKind KindOf(const std::string& path) = 0;

    // Reads a whole text file. A file that starts with the UTF-8 byte-order mark is taken as
    // UTF-8 (the mark dropped); every other file is decoded from the ANSI code page.
    virtual FileText ReadText(const std::string& path) = 0;

    // Writes a text file in the ANSI code page, or in UTF-8 after a byte-order mark when the
    // code page cannot hold the text (TextFileBytes), replacing any earlier file of that name.
    virtual FileStatus WriteText(const std::string& path, const std::string& text) = 0;

    // Writes a text file as UTF-8 after its byte-order mark, replacing any earlier file of that
    // name, and returns once the system has put it on the disk.
    virtual FileStatus WriteUtf8Durably(const std::string& path, const std::string& text) = 0;

    // The entries of a folder except "." and "..", in the order the file system lists them.
    // A missing folder has no entries.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;

    // Copies a file, replacing the destination. A read-only destination is not replaced.
    // True when the system reports success.
    virtual bool CopyFileOver(const std::string& from, const std::string& to) = 0;

    // Copies a file to a file path in an existing folder the way the shell copies: a read-only
    // file of that name is replaced, and nothing asks or shows a box. A source that is no file,
    // or a destination that is a folder, is refused before the shell sees it. True when the
    // shell reports success and the destination holds the source's bytes.
    virtual bool ShellCopy(const std::string& from, const std::string& to) = 0;

    // Renames a file or folder. Nothing is copied: both paths must lie on one volume, and the
    // destination must not exist.
    virtual FileStatus Move(const std::string& from, const std::string& to) = 0;

    // Creates the folder and every missing folder above it; true when it exists afterwards.
    virtual bool MakeFolders(const std::string& folder) = 0;

    // Deletes a file, clearing its read-only attribute first; true when it was deleted. A
    // folder is not deleted.
    virtual bool RemoveFile(const std::string& path) = 0;

    // Removes an empty folder; true when it was removed. A folder that still holds
    // anything stays.
    virtual bool RemoveFolder(const std::string& folder) = 0;
};

}  // namespace velmora
