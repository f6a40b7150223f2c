#include "convert/portable/TableCodePage.h"

#include "convert/portable/InstructionSet.h"

namespace fennick {

namespace {

using Entry = CodePageTables::Entry;

// The table entry of `character`, nothing when UTF-8 needs more than three bytes for it.
std::optional<Entry> EntryOf(char32_t character)
{
    const auto value = static_cast<Entry>(character);
    if (value < 0x80) {
        return value | Entry{1} << 24;
    }
    if (value < 0x800) {
        return (0xC0 | value >> 6) | (0x80 | (value & 0x3F)) << 8 | Entry{2} << 24;
    }
    if (value < 0x10000 && (value < 0xD800 || value > 0xDFFF)) {
        return (0xE0 | value >> 12) | (0x80 | (value >> 6 & 0x3F)) << 8 | (0x80 | (value & 0x3F)) << 16 |
               Entry{3} << 24;
    }
    return std::nullopt;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080;

// Copies ASCII from `from.in` on until the first other byte or `end`, eight bytes at a time
// where eight are left: all eight are stored, which the room for the rest of the text allows.
Progress CopyAscii(Progress from, const unsigned char* end)
{
    auto [in, out] = from;
    while (end - in >= 8) {
        std::uint64_t word;
        std::memcpy(&word, in, sizeof word);
        std::memcpy(out, &word, sizeof word);
        const std::uint64_t high = word & kHighBits;
        const std::size_t ascii = high == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(high)) / 8;
        in += ascii;
        out += ascii;
        if (ascii < 8) {
            return {in, out};
        }
    }
    while (in != end && *in < 0x80) {
        *out++ = *in++;
    }
    return {in, out};
}

} // namespace

TableCodePage::TableCodePage(const std::array<bool, 256>& leadBytes, char32_t replacement, const Decoder& decode)
    : tables_(std::make_unique<CodePageTables>())
{
    const Entry replaced = EntryOf(replacement).value_or('?' | Entry{1} << 24);
    const auto entryOf = [&](std::span<const unsigned char> bytes) -> std::optional<Entry> {
        const std::optional<char32_t> character = decode(bytes);
        return character ? EntryOf(*character) : std::nullopt;
    };
    auto& entries = tables_->entries;
    const auto entry = [&](unsigned first, unsigned second) -> Entry& {
        return entries[CodePageTables::Index(first, second)];
    };
    std::array<bool, 256> isSecond{};
    for (unsigned first = 0; first < 256; ++first) {
        if (!leadBytes[first] || first < 0x80) {
            const unsigned char single[] = {static_cast<unsigned char>(first)};
            const Entry character = entryOf(single).value_or(replaced);
            for (unsigned second = 0; second < 256; ++second) {
                entry(first, second) = character;
            }
            continue;
        }
        // A lead byte never pairs with NUL: there the text may end.
        for (unsigned second = 1; second < 256; ++second) {
            const unsigned char pair[] = {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
            if (const std::optional<Entry> character = entryOf(pair)) {
                entry(first, second) = *character | CodePageTables::kLead;
                isSecond[second] = true;
            }
        }
    }
    // The pairs left empty are no characters.
    for (unsigned first = 0x80; first < 256; ++first) {
        for (unsigned second = 0; leadBytes[first] && second < 256; ++second) {
            if (entry(first, second) == 0) {
                const bool alone = second < 0x80 || !isSecond[second];
                entry(first, second) = replaced | CodePageTables::kLead | (alone ? CodePageTables::kAlone : 0);
            }
        }
    }
    bool leadsAre81ToFe = true;
    for (unsigned byte = 0; byte < 256; ++byte) {
        leadsAre81ToFe = leadsAre81ToFe && leadBytes[byte] == (byte >= 0x81 && byte <= 0xFE);
    }
    tables_->leadsAre81ToFe = leadsAre81ToFe;
}

CodePage::Converted TableCodePage::ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8,
                                          bool textEnds) const
{
    const unsigned char* const end = text.data() + text.size();
    Progress progress{text.data(), utf8.data()};
#ifdef FENNICK_X86_64
    if (tables_->leadsAre81ToFe && ActiveInstructionSet() != InstructionSet::Plain) {
        progress = ActiveInstructionSet() == InstructionSet::Avx2 ? ConvertAvx2(*tables_, progress, end)
                                                                  : ConvertSse2(*tables_, progress, end);
    }
#endif
    progress = ConvertPlain(*tables_, progress, end);
    if (progress.in != end && textEnds) {
        progress.out = Put(progress.out, tables_->entries[*progress.in++]);
    }
    return {static_cast<std::size_t>(progress.in - text.data()), static_cast<std::size_t>(progress.out - utf8.data())};
}

Progress ConvertPlain(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    auto [in, out] = from;
    while (in != end) {
        if (*in < 0x80) {
            const Progress copied = CopyAscii({in, out}, end);
            in = copied.in;
            out = copied.out;
            continue;
        }
        const bool last = end - in < 2;
        const Entry entry = last ? tables.entries[*in] : tables.At(in);
        if (last && (entry & CodePageTables::kLead) != 0) {
            break; // the lead byte waits for the byte after it
        }
        out = Put(out, entry);
        in += CodePageTables::Length(entry);
    }
    return {in, out};
}

} // namespace fennick
