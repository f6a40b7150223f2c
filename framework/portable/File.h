#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace fennick {

// An open file. Opening reports failure by its result; every later operation that fails raises
// FileException naming the file, so callers handle the rare failures in one place. Lengths are
// 64-bit: files of 4 GiB and more are read in full.
class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Opens an existing regular file for reading. False when that is impossible: a missing
    // file, a folder, no permission, or a file another program keeps to itself.
    bool OpenForReading(const std::wstring& path);

    std::uint64_t GetLength() const;

    // Fills the whole buffer from the current position; a file that ends sooner raises.
    void Read(std::span<unsigned char> buffer);

    void Write(std::span<const unsigned char> bytes);

    // Closes the file, raising if the system reports that the last writes failed.
    void Close();

    bool IsOpen() const { return handle_ != kClosed; }

private:
    friend class ReplacementFile;

    // Closes the file, if open, ignoring failures: for paths that are already failing.
    void Release() noexcept;

    // A file descriptor or a Windows HANDLE; -1 is neither.
    static constexpr std::intptr_t kClosed = -1;
    // Larger transfers are split: one system call moves at most about 2 GiB (POSIX) or
    // 4 GiB - 1 bytes (Windows).
    static constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

    std::intptr_t handle_ = kClosed;
    // The path that reports name, which is the user's file also while its new content goes to a
    // temporary file.
    std::wstring path_;
};

} // namespace fennick
