#include "convert/portable/FileConverter.h"

#include <algorithm>
#include <cstdint>
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
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(remaining_, pieceLength));
        file_.Read({buffer_.get(), length});
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
        if (piecesRead_ > 0 && length_ <= pieceLength) {
            replaying_ = true;
            return true;
        }
        file_.Close();
        return Open(path_);
    }

private:
    static constexpr std::size_t pieceLength = std::size_t{256} * 1024;

    File file_;
    std::wstring path_;
    std::uint64_t length_ = 0;
    std::uint64_t remaining_ = 0;
    std::size_t piecesRead_ = 0;
    bool replaying_ = false;
    std::unique_ptr<unsigned char[]> buffer_ = std::make_unique_for_overwrite<unsigned char[]>(pieceLength);
};

// What a file holds, as far as the operations care.
enum class Content { Empty, Marked, Utf8Text, Other };

// Whether a file's content is told by its mark alone or also by its whole text.
enum class Depth { Mark, Text };

// What the file open in `reader` holds, read from its start.
Content Inspect(PieceReader& reader, Depth depth)
{
    std::span<const unsigned char> piece = reader.Next();
    if (piece.empty()) {
        return Content::Empty;
    }
    if (piece.size() >= utf8Mark.size() && std::equal(utf8Mark.begin(), utf8Mark.end(), piece.begin())) {
        return Content::Marked;
    }
    if (depth == Depth::Mark) {
        return Content::Other;
    }
    Utf8Validator validator;
    for (; !piece.empty() && !validator.Failed(); piece = reader.Next()) {
        validator.Add(piece);
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
bool ConvertFromCodePage(const std::wstring& path, PieceReader& source, const CodePage& codePage, bool backUp)
{
    ReplacementFile backup;
    if (backUp && !backup.Open(path + L".bak", Target::ExistingOrNew)) {
        return false;
    }
    ReplacementFile converted;
    if (!converted.Open(path, Target::Existing) || !source.Restart()) {
        return false;
    }
    converted.Write(utf8Mark);
    Utf8Transcoder transcoder(codePage);
    for (std::span<const unsigned char> piece = source.Next(); !piece.empty(); piece = source.Next()) {
        if (backUp) {
            backup.Write(piece);
        }
        converted.Write(transcoder.Convert(piece));
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

FileConverter::FileConverter(const CodePage& codePage) : codePage_(codePage) {}

bool FileConverter::ConvertToUtf8(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        switch (Inspect(reader, Depth::Text)) {
        case Content::Utf8Text:
            return RewriteFromItself(path, reader, utf8Mark, 0);
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

bool FileConverter::InsertUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        return Inspect(reader, Depth::Mark) != Content::Other || RewriteFromItself(path, reader, utf8Mark, 0);
    });
}

bool FileConverter::RemoveUtf8Header(const std::wstring& path) const
{
    return ReportingFailures(path, [&] {
        PieceReader reader;
        if (!reader.Open(path)) {
            return false;
        }
        return Inspect(reader, Depth::Mark) != Content::Marked || RewriteFromItself(path, reader, {}, utf8Mark.size());
    });
}

} // namespace fennick
