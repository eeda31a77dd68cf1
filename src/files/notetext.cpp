#include "files/notetext.h"

#include <cstdint>
#include <optional>

namespace hm {

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F. The five bytes the code page
// leaves undefined map to the control characters of the same value, so that
// no byte is lost.
constexpr char32_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t FromCp1252(uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : b;
}

std::optional<uint8_t> ToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[i] == c) return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

enum class Utf8Step { Ok, Invalid, Truncated };

// Decodes one UTF-8 character at s[i]; strict (no overlongs, no surrogates).
Utf8Step DecodeUtf8(const std::string& s, size_t& i, char32_t& c) {
    const auto at = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t b = at(i);
    int extra = 0;
    char32_t min = 0;
    if (b < 0x80) {
        c = b;
        ++i;
        return Utf8Step::Ok;
    } else if (b >= 0xC2 && b <= 0xDF) {
        extra = 1, c = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2, c = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3, c = b & 0x07, min = 0x10000;
    } else {
        return Utf8Step::Invalid;
    }
    for (int k = 1; k <= extra; ++k) {
        if (i + static_cast<size_t>(k) >= s.size()) return Utf8Step::Truncated;
        const uint8_t t = at(i + static_cast<size_t>(k));
        if ((t & 0xC0) != 0x80) return Utf8Step::Invalid;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return Utf8Step::Invalid;
    i += static_cast<size_t>(extra) + 1;
    return Utf8Step::Ok;
}

// The valid UTF-8 text of s (without a cut-off last character), or nothing when
// s is not UTF-8 with at least one non-ASCII character.
std::optional<std::string> AsUtf8(const std::string& s) {
    bool nonAscii = false;
    size_t i = 0;
    while (i < s.size()) {
        char32_t c = 0;
        const size_t start = i;
        switch (DecodeUtf8(s, i, c)) {
        case Utf8Step::Ok:
            nonAscii = nonAscii || c >= 0x80;
            break;
        case Utf8Step::Invalid:
            return std::nullopt;
        case Utf8Step::Truncated:
            if (!nonAscii) return std::nullopt;
            return s.substr(0, start);
        }
    }
    if (!nonAscii) return std::nullopt;
    return s;
}

} // namespace

std::string NoteFromFileBytes(const std::string& bytes) {
    if (auto utf8 = AsUtf8(bytes)) return *utf8;
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) AppendUtf8(out, FromCp1252(static_cast<uint8_t>(ch)));
    return out;
}

std::string NoteToFileBytes(const std::string& utf8In) {
    const std::string utf8 = utf8In.substr(0, utf8In.find('\0'));
    std::string cp;
    cp.reserve(utf8.size());
    bool fits = true;
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (DecodeUtf8(utf8, i, c) != Utf8Step::Ok) {
            // Not valid UTF-8: keep the bytes as they are.
            return utf8;
        }
        const auto b = ToCp1252(c);
        if (!b)
            fits = false;
        else
            cp += static_cast<char>(*b);
    }
    if (fits && !AsUtf8(cp)) return cp;
    return utf8;
}

} // namespace hm
