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

    // Puts the new content in place. Raises FileException, leaving the file as it was, when that
    // fails, also when a file that existed at Open has gone since.
    void Commit();

private:
    File temporary_;
    NativePath temporaryPath_;
    NativePath targetPath_;
    bool targetExisted_ = false;
    bool committed_ = false;
};

} // namespace fennick
