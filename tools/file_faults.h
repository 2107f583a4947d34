// The write faults a scenario can put in a program's way, and the check that a failed
// write left everything as it was.
//
//   fault full REL             the file system holding REL is full (needs the
//                              full-disk library preloaded, tests/faults/full_disk.c)
//   fault readonly REL         REL's folder cannot be written (needs a user other than root)
//   fault file-for-folder REL  a file stands where REL's folder should be
//   fault folder-for-file REL  a folder (holding a file) stands where REL should be
//   intact                     what the fault put in the write's way (REL, or the file in
//                              place of its folder) is byte for byte as it was, and no
//                              temporary was left in the folder; ends the fault
//
// For full and readonly an REL that does not exist yet is first made with some old
// content, so that there is something to keep.
#pragma once
#include <map>
#include <optional>
#include <string>

class FileFaults {
public:
    // Sets up the fault; the reason when it cannot be had.
    std::optional<std::string> arm(const std::string& kind, const std::string& path);
    // What changed since the fault was armed, or none; the fault ends either way.
    std::optional<std::string> intact();
    // Ends any fault still in place (a read-only folder gets its permissions back).
    void end();
    bool armed() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

private:
    struct Entry {
        char type = '?';      // 'f' file, 'd' folder, 'l' link, '?' anything else
        std::string content;  // a file's bytes, a folder's names, a link's target
        bool operator==(const Entry&) const = default;
    };
    using Snapshot = std::map<std::string, Entry>;
    static Snapshot snapshot(const std::string& folder);

    std::string path_, folder_, key_;  // key_: the entry of the snapshot that must be kept
    Snapshot before_;
    bool readOnly_ = false;
};
