#pragma once

#include <span>
#include <string>

#include "framework/portable/File.h"
#include "framework/portable/NativePath.h"

namespace fennick {

// The new content of a file. It is written to a temporary file in the same folder, which takes
// the file's place, keeping the file's attributes, only when Commit succeeds. A failure on the
// way, or an object destroyed without Commit, leaves the file as it was and removes the
// temporary file.
class ReplacementFile {
public:
    enum class Target {
        Existing, // the file must exist
        ExistingOrNew, // the file is created when it does not exist
    };

    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    // Starts the new content of `path`. False, with nothing created, when the file may not be
    // rewritten: it is read-only, a folder, kept by another program, or missing (Existing).
    // Raises FileException when the temporary file cannot be created.
    bool Open(const std::wstring& path, Target target);

    void Write(std::span<const unsigned char> bytes) { temporary_.Write(bytes); }

    // Puts the new content in place, first making the system write it to the disk, so that a
    // power loss just after cannot leave the file empty or partial. Raises FileException,
    // leaving the file as it was, when that fails, also when a file that existed at Open has
    // gone since.
    void Commit();

    // Turns the writing to the disk before each replacement off and on again, for every
    // replacement of the process. Only for measuring what that writing costs.
    static void SetFlushingBeforeReplacing(bool flushing);

private:
    static bool FlushingBeforeReplacing();

    File temporary_;
    NativePath temporaryPath_;
    NativePath targetPath_;
    bool targetExisted_ = false;
    bool committed_ = false;
};

} // namespace fennick
