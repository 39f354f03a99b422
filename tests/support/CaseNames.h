#pragma once

// Names for the rows of parameterized suites. CTest names a case as
// GoogleTest does, and GoogleTest takes only letters, digits and '_'; a row
// without a name would be named by its printed bytes, which differ from run to
// run, so every suite names its rows with one of these.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace zelvano::test {

// Words as one name: "non-blocking stdin, slow writer" -> "NonBlockingStdinSlowWriter".
// Anything but ASCII letters and digits separates words.
inline std::string wordsName(std::string_view words) {
    std::string name;
    bool wordStart = true;
    for (const char c : words) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit) {
            wordStart = true;
            continue;
        }
        name += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        wordStart = false;
    }
    return name.empty() ? "Empty" : name;
}

// A text exactly, every character counted, for tables of typed numbers:
// "-1.5E-3" -> "Minus1Point5EMinus3", "\u22122.5" -> "U2212_2Point5",
// "  7" -> "SpaceSpace7". A character repeated more than eight times is
// written once with its count ("0Times399_"), so long texts stay short.
inline std::string textName(std::string_view text) {
    std::string name;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        std::string token;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_') {
            token = static_cast<char>(c);
        } else if (c < 0x80) {
            static constexpr std::pair<char, const char*> signs[] = {
                {'.', "Point"}, {',', "Comma"}, {'-', "Minus"}, {'+', "Plus"},
                {' ', "Space"}, {'\t', "Tab"},  {'&', "Amp"}};
            token = "Char" + std::to_string(c) + "_";
            for (const auto& [sign, word] : signs) {
                if (c == static_cast<unsigned char>(sign))
                    token = word;
            }
        } else {
            // One UTF-8 sequence: its code point in hex.
            length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            std::uint32_t point = c & (0x7F >> length);
            for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
                point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            static constexpr char digits[] = "0123456789ABCDEF";
            token = "U";
            for (int shift = point > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4)
                token += digits[(point >> shift) & 0xF];
            token += '_';
        }
        std::size_t repeats = 1;
        while (i + repeats * length + length <= text.size() &&
               text.substr(i + repeats * length, length) == text.substr(i, length))
            ++repeats;
        if (repeats > 8) {
            name += token + "Times" + std::to_string(repeats) + "_";
        } else {
            repeats = 1;
            name += token;
        }
        i += repeats * length;
    }
    return name.empty() ? "Empty" : name;
}

} // namespace zelvano::test
