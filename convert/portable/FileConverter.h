#pragma once

#include <array>
#include <span>
#include <string>

#include "convert/portable/CodePage.h"
#include "convert/portable/FileOutcome.h"
#include "convert/portable/Utf8Bytes.h"

namespace fennick {

// The UTF-8 byte-order mark, called the mark below.
inline constexpr std::array<unsigned char, 3> kUtf8Mark{0xEF, 0xBB, 0xBF};

// Rewrites one file at a time as UTF-8 text that begins with the mark: converts text in the
// ANSI code page, only adds the mark to text that is UTF-8 already, and leaves marked files
// alone; also adds or removes the mark alone.
//
// The file operations fail quietly on a file that cannot be opened, that must be rewritten but
// may not be (read-only, kept by another program), or that is not ANSI text (see FileOutcome),
// which conversion and adding the mark leave alone. Any other failure (reading, writing,
// replacing, memory) also hands a FileException naming the file to the error report handler
// (framework/portable/ErrorReport.h). Every rewrite goes to a temporary file that replaces the
// file only when complete, so a failed operation leaves the file as it was and no temporary
// file behind. Files are read and written a piece at a time: a file of any size takes about a
// megabyte of memory.
class FileConverter {
public:
    explicit FileConverter(const CodePage& codePage = AnsiCodePage());
    // The converter keeps a reference: a temporary code page would be gone before its first use.
    explicit FileConverter(const CodePage&& codePage) = delete;
    virtual ~FileConverter() = default;

    // Whether ConvertToUtf8 also writes a copy of each file it converts, as it was, to the
    // same path with ".bak" appended. On from construction.
    void SetBackupFlag(bool backup) { BackupFlag = backup; }
    bool GetBackupFlag() const { return BackupFlag; }

    // Makes the file UTF-8 text that begins with the mark. True also for an empty or marked
    // file, which stays as it is. Only text that is not UTF-8 already gets a backup, put in
    // place just before the converted file: when either cannot be written, neither is.
    FileOutcome ConvertToUtf8(const std::wstring& path) const;

    // Whether `bytes` are well-formed UTF-8 holding at least one character beyond ASCII.
    static bool IsUtf8Text(std::span<const unsigned char> bytes);

    // Sets `utf8` to the UTF-8 form of the ANSI text `ansi`. False for empty text, leaving
    // `utf8` as it was.
    bool AnsiToUtf8(std::span<const unsigned char> ansi, Utf8Bytes& utf8) const;

    // Puts the mark before the file's content unless it begins with it or is empty. Never
    // before the mark of UTF-16 or UTF-32 text, which would then read as neither.
    FileOutcome InsertUtf8Header(const std::wstring& path) const;

    // Takes the mark off the file's beginning, if there.
    FileOutcome RemoveUtf8Header(const std::wstring& path) const;

private:
    const CodePage& codePage_;
    bool BackupFlag = true;
};

} // namespace fennick
