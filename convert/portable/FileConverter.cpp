#include "convert/portable/FileConverter.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>

#include "convert/portable/PiecewiseConversion.h"
#include "framework/portable/File.h"
#include "framework/portable/FileException.h"
#include "framework/portable/ReplacementFile.h"

namespace fennick {

namespace {

static_assert(sizeof(std::size_t) >= sizeof(std::uint64_t),
              "a file of any length must fit in memory's address range");

// A whole file's bytes, as read.
class FileContent {
public:
    explicit FileContent(std::size_t size)
        : bytes_(std::make_unique_for_overwrite<unsigned char[]>(size)), size_(size)
    {
    }

    std::span<unsigned char> Bytes() { return {bytes_.get(), size_}; }
    std::span<const unsigned char> Bytes() const { return {bytes_.get(), size_}; }

    bool BeginsWithMark() const
    {
        return size_ >= utf8Mark.size() && std::equal(utf8Mark.begin(), utf8Mark.end(), bytes_.get());
    }

private:
    std::unique_ptr<unsigned char[]> bytes_;
    std::size_t size_;
};

// The file's bytes, or nothing when it cannot be opened.
std::optional<FileContent> ReadWholeFile(const std::wstring& path)
{
    File file;
    if (!file.OpenForReading(path)) {
        return std::nullopt;
    }
    std::optional<FileContent> content(std::in_place, file.GetLength());
    file.Read(content->Bytes());
    file.Close();
    return content;
}

// Replaces the content of `path` with what `writeContent` (ReplacementFile&) writes, unless it
// returns false. False also when the file may not be rewritten.
template <class WriteContent>
bool Rewrite(const std::wstring& path, ReplacementFile::Target target, WriteContent writeContent)
{
    ReplacementFile file;
    if (!file.Open(path, target) || !writeContent(file)) {
        return false;
    }
    file.Commit();
    return true;
}

bool WriteWithMark(const std::wstring& path, const FileContent& content)
{
    return Rewrite(path, ReplacementFile::Target::Existing, [&](ReplacementFile& file) {
        file.Write(utf8Mark);
        file.Write(content.Bytes());
        return true;
    });
}

// Runs one file operation; a failure raised on the way becomes an error report and false.
template <class Operation>
bool ReportingFailures(const std::wstring& path, Operation operation)
{
    try {
        return operation();
    } catch (const FileException& failure) {
        failure.ReportError();
    } catch (const std::bad_alloc&) {
        FileException::OutOfMemory(path).ReportError();
    }
    return false;
}

} // namespace

FileConverter::FileConverter(const CodePage& codePage) : codePage_(codePage)
{
}

bool FileConverter::ConvertToUtf8(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        const std::optional<FileContent> content = ReadWholeFile(path);
        if (!content) {
            return false;
        }
        if (content->Bytes().empty() || content->BeginsWithMark()) {
            return true;
        }
        if (IsUtf8Text(content->Bytes())) {
            return WriteWithMark(path, *content);
        }
        const auto writeAsRead = [&](ReplacementFile& file) {
            file.Write(content->Bytes());
            return true;
        };
        if (BackupFlag &&
            !Rewrite(path + L".bak", ReplacementFile::Target::ExistingOrNew, writeAsRead)) {
            return false;
        }
        return Rewrite(path, ReplacementFile::Target::Existing, [&](ReplacementFile& file) {
            file.Write(utf8Mark);
            return ConvertToUtf8InPieces(codePage_, content->Bytes(),
                                         [&](std::span<const unsigned char> utf8) { file.Write(utf8); });
        });
    });
}

bool FileConverter::AnsiToUtf8(std::span<const unsigned char> ansi,
                               std::vector<unsigned char>& utf8) const
{
    if (ansi.empty()) {
        return false;
    }
    std::vector<unsigned char> converted;
    const auto append = [&](std::span<const unsigned char> piece) {
        converted.insert(converted.end(), piece.begin(), piece.end());
    };
    if (!ConvertToUtf8InPieces(codePage_, ansi, append)) {
        return false;
    }
    utf8 = std::move(converted);
    return true;
}

bool FileConverter::InsertUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        const std::optional<FileContent> content = ReadWholeFile(path);
        if (!content) {
            return false;
        }
        return content->Bytes().empty() || content->BeginsWithMark() || WriteWithMark(path, *content);
    });
}

bool FileConverter::RemoveUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        const std::optional<FileContent> content = ReadWholeFile(path);
        if (!content) {
            return false;
        }
        if (!content->BeginsWithMark()) {
            return true;
        }
        return Rewrite(path, ReplacementFile::Target::Existing, [&](ReplacementFile& file) {
            file.Write(content->Bytes().subspan(utf8Mark.size()));
            return true;
        });
    });
}

} // namespace fennick
