#include "convert/portable/FileConverter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "convert/portable/Utf8Transcoder.h"
#include "convert/portable/Utf8Validator.h"
#include "framework/portable/File.h"
#include "framework/portable/FileException.h"
#include "framework/portable/ReplacementFile.h"

namespace fennick {

namespace {

using Target = ReplacementFile::Target;

// A file read from start to end a piece at a time, each piece into the same small buffer, so
// that files of any size take little memory. The file closes when its end has been read.
class PieceReader {
public:
    bool Open(const std::wstring& path)
    {
        if (!file_.OpenForReading(path)) {
            return false;
        }
        path_ = path;
        length_ = remaining_ = file_.GetLength();
        piecesRead_ = 0;
        return true;
    }

    // The next piece; empty at the end.
    std::span<const unsigned char> Next()
    {
        if (std::exchange(replaying_, false)) {
            return {buffer_.get(), static_cast<std::size_t>(length_)};
        }
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(remaining_, kPieceLength));
        file_.Read({buffer_.get(), length});
        heldNul_ = heldNul_ || std::memchr(buffer_.get(), 0, length) != nullptr;
        remaining_ -= length;
        if (length == 0) {
            file_.Close();
        }
        ++piecesRead_;
        return {buffer_.get(), length};
    }

    // Starts again at the first byte, for a second pass over a file that was inspected. A file
    // that fitted in the first piece is not opened again: the piece is still in the buffer.
    // False when the file has gone meanwhile.
    bool Restart()
    {
        if (piecesRead_ > 0 && length_ <= kPieceLength) {
            replaying_ = true;
            return true;
        }
        file_.Close();
        return Open(path_);
    }

    // Whether a piece read so far held a NUL byte, which no ANSI text does.
    bool HeldNul() const { return heldNul_; }

private:
    static constexpr std::size_t kPieceLength = std::size_t{256} * 1024;

    File file_;
    std::wstring path_;
    std::uint64_t length_ = 0;
    std::uint64_t remaining_ = 0;
    std::size_t piecesRead_ = 0;
    bool replaying_ = false;
    bool heldNul_ = false;
    std::unique_ptr<unsigned char[]> buffer_ = std::make_unique_for_overwrite<unsigned char[]>(kPieceLength);
};

// Marks that begin UTF-16 and UTF-32 text, in either byte order; UTF-32's little-endian mark
// begins with UTF-16's. Neither is a character of any ANSI code page.
constexpr unsigned char kUtf16LittleEndianMark[] = {0xFF, 0xFE};
constexpr unsigned char kUtf16BigEndianMark[] = {0xFE, 0xFF};
constexpr unsigned char kUtf32BigEndianMark[] = {0x00, 0x00, 0xFE, 0xFF};
constexpr std::span<const unsigned char> kWideTextMarks[] = {kUtf16LittleEndianMark, kUtf16BigEndianMark,
                                                             kUtf32BigEndianMark};

bool BeginsWith(std::span<const unsigned char> bytes, std::span<const unsigned char> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// What a file holds, as far as the operations care.
enum class Content { Empty, Marked, NotAnsiText, Utf8Text, Other };

// Whether a file's content is told by its mark alone or also by its whole text.
enum class Depth { Mark, Text };

// What the file open in `reader` holds, read from its start.
Content Inspect(PieceReader& reader, Depth depth)
{
    std::span<const unsigned char> piece = reader.Next();
    if (piece.empty()) {
        return Content::Empty;
    }
    if (BeginsWith(piece, kUtf8Mark)) {
        return Content::Marked;
    }
    if (std::ranges::any_of(kWideTextMarks, [&](auto mark) { return BeginsWith(piece, mark); })) {
        return Content::NotAnsiText;
    }
    if (depth == Depth::Mark) {
        return Content::Other;
    }
    // Text that cannot be UTF-8 is known early; a NUL byte further on turns up as it converts.
    Utf8Validator validator;
    for (; !piece.empty() && !validator.Failed() && !reader.HeldNul(); piece = reader.Next()) {
        validator.Add(piece);
    }
    if (reader.HeldNul()) {
        return Content::NotAnsiText;
    }
    return validator.Finish() ? Content::Utf8Text : Content::Other;
}

// Makes `prefix` and then the file's own bytes, less its first `skipped`, the new content of
// the file. False when the file may not be rewritten or has gone meanwhile.
bool RewriteFromItself(const std::wstring& path, PieceReader& source, std::span<const unsigned char> prefix,
                       std::size_t skipped)
{
    ReplacementFile target;
    if (!target.Open(path, Target::Existing) || !source.Restart()) {
        return false;
    }
    target.Write(prefix);
    for (std::span<const unsigned char> piece = source.Next(); !piece.empty(); piece = source.Next()) {
        const std::size_t skip = std::min(skipped, piece.size());
        skipped -= skip;
        target.Write(piece.subspan(skip));
    }
    target.Commit();
    return true;
}

// Rewrites the file as the mark and its text converted from `codePage`, after writing its
// backup when `backUp` is set. Both new files are written together and put in place only
// when both are complete, the backup first, so that a failure changes nothing.
FileOutcome ConvertFromCodePage(const std::wstring& path, PieceReader& source, const CodePage& codePage, bool backUp)
{
    ReplacementFile backup;
    if (backUp && !backup.Open(path + L".bak", Target::ExistingOrNew)) {
        return false;
    }
    ReplacementFile converted;
    if (!converted.Open(path, Target::Existing) || !source.Restart()) {
        return false;
    }
    converted.Write(kUtf8Mark);
    Utf8Transcoder transcoder(codePage);
    for (std::span<const unsigned char> piece = source.Next(); !piece.empty(); piece = source.Next()) {
        if (backUp) {
            backup.Write(piece);
        }
        converted.Write(transcoder.Convert(piece));
    }
    if (source.HeldNul()) {
        return FileOutcome::NotAnsiText();
    }
    converted.Write(transcoder.Finish());
    if (backUp) {
        backup.Commit();
    }
    converted.Commit();
    return true;
}

// Runs one file operation; a failure raised on the way becomes an error report and false.
template <class Operation>
FileOutcome ReportingFailures(const std::wstring& path, Operation operation)
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

FileConverter::FileConverter(const CodePage& codePage) : codePage_(codePage) {}

FileOutcome FileConverter::ConvertToUtf8(const std::wstring& path) const
{
    return ReportingFailures(path, [&]() -> FileOutcome {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        switch (Inspect(reader, Depth::Text)) {
        case Content::NotAnsiText:
            return FileOutcome::NotAnsiText();
        case Content::Utf8Text:
            return RewriteFromItself(path, reader, kUtf8Mark, 0);
        case Content::Other:
            return ConvertFromCodePage(path, reader, codePage_, BackupFlag);
        default:
            return true;
        }
    });
}

bool FileConverter::IsUtf8Text(std::span<const unsigned char> bytes)
{
    Utf8Validator validator;
    validator.Add(bytes);
    return validator.Finish();
}

bool FileConverter::AnsiToUtf8(std::span<const unsigned char> ansi, Utf8Bytes& utf8) const
{
    if (ansi.empty()) {
        return false;
    }
    // Converted straight into the output, which only grows when it must.
    utf8.resize(CodePage::Utf8Room(ansi.size()));
    utf8.resize(codePage_.ToUtf8(ansi, utf8, true).written);
    return true;
}

FileOutcome FileConverter::InsertUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&]() -> FileOutcome {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        switch (Inspect(reader, Depth::Mark)) {
        case Content::NotAnsiText:
            return FileOutcome::NotAnsiText();
        case Content::Other:
            return RewriteFromItself(path, reader, kUtf8Mark, 0);
        default:
            return true;
        }
    });
}

FileOutcome FileConverter::RemoveUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&]() -> FileOutcome {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        return Inspect(reader, Depth::Mark) != Content::Marked || RewriteFromItself(path, reader, {}, kUtf8Mark.size());
    });
}

} // namespace fennick
