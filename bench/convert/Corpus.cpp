#include "bench/convert/Corpus.h"

#include <iconv.h>

#include <array>
#include <random>
#include <stdexcept>
#include <string>

namespace fennick::bench {

namespace {

// Words of everyday Korean, some with syllables that only code page 949 has beyond EUC-KR.
constexpr std::array<std::u8string_view, 32> koreanWords = {
    u8"문서",   u8"파일",     u8"변환",   u8"인코딩", u8"사용자",       u8"프로그램", u8"데이터", u8"설정",
    u8"확인",   u8"저장",     u8"한국어", u8"글자",   u8"화면",         u8"목록",     u8"결과",   u8"성공",
    u8"실패",   u8"똠방각하", u8"햏",     u8"뷁",     u8"괜찮습니다",   u8"그리고",   u8"하지만", u8"오늘은",
    u8"날씨가", u8"좋습니다", u8"회의",   u8"자료를", u8"정리했습니다", u8"다음",     u8"주에",   u8"봅시다",
};

constexpr std::array<std::string_view, 32> englishWords = {
    "document", "file",   "convert", "encoding", "user",    "program", "data", "settings", "check", "save",  "language",
    "letter",   "screen", "list",    "result",   "success", "failure", "the",  "and",      "but",   "today", "weather",
    "is",       "fine",   "meeting", "notes",    "were",    "tidied",  "next", "week",     "see",   "you",
};

// One paragraph of markup around `words` random words separated by spaces.
template <class Words>
std::string Paragraph(std::mt19937& random, const Words& words)
{
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    std::string text = "<p class=\"body\" id=\"p" + std::to_string(random() % 10000) + "\">";
    const int count = 8 + static_cast<int>(random() % 16);
    for (int word = 0; word < count; ++word) {
        const auto& chosen = words[pick(random)];
        text.append(reinterpret_cast<const char*>(chosen.data()), chosen.size());
        text += word + 1 == count ? ".</p>\n" : random() % 9 == 0 ? ", " : " ";
    }
    return text;
}

// Converts text from UTF-8 to code page 949 with iconv.
class Cp949Encoder {
public:
    Cp949Encoder() : descriptor_(iconv_open("CP949", "UTF-8")) {}
    Cp949Encoder(const Cp949Encoder&) = delete;
    Cp949Encoder& operator=(const Cp949Encoder&) = delete;
    ~Cp949Encoder() { iconv_close(descriptor_); }

    std::string Encode(const std::string& utf8)
    {
        std::string cp949(utf8.size(), '\0');
        char* in = const_cast<char*>(utf8.data());
        char* out = cp949.data();
        std::size_t inLeft = utf8.size();
        std::size_t outLeft = cp949.size();
        if (iconv(descriptor_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            throw std::runtime_error("corpus text not convertible to CP949");
        }
        cp949.resize(cp949.size() - outLeft);
        return cp949;
    }

private:
    iconv_t descriptor_;
};

} // namespace

CorpusKind CorpusKindNamed(std::string_view name)
{
    if (name == "korean-cp949") {
        return CorpusKind::KoreanCp949;
    }
    if (name == "korean-utf8") {
        return CorpusKind::KoreanUtf8;
    }
    if (name == "ascii") {
        return CorpusKind::Ascii;
    }
    throw std::invalid_argument("unknown corpus kind");
}

std::vector<unsigned char> MakeCorpus(CorpusKind kind, std::size_t size)
{
    std::mt19937 random(949);
    Cp949Encoder encoder;
    std::vector<unsigned char> corpus;
    corpus.reserve(size);
    for (;;) {
        std::string paragraph =
            kind == CorpusKind::Ascii ? Paragraph(random, englishWords) : Paragraph(random, koreanWords);
        if (kind == CorpusKind::KoreanCp949) {
            paragraph = encoder.Encode(paragraph);
        }
        if (corpus.size() + paragraph.size() > size) {
            break;
        }
        corpus.insert(corpus.end(), paragraph.begin(), paragraph.end());
    }
    corpus.resize(size, '\n');
    return corpus;
}

} // namespace fennick::bench
