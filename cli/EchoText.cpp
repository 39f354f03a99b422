#include "EchoText.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace zelvano::cli {

namespace {

// Length of the UTF-8 sequence that `lead` begins (1 for a stray byte).
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xf0)
        return 4;
    if (lead >= 0xe0)
        return 3;
    if (lead >= 0xc0)
        return 2;
    return 1;
}

// A well-formed encoding of one printable character. Qt's decoder refuses
// overlong forms, surrogates and values past U+10FFFF; re-encoding tells
// whether it had to replace anything.
bool printableCharacter(std::string_view sequence) {
    const QString decoded = QString::fromUtf8(sequence.data(), std::ssize(sequence));
    if (decoded.toUtf8() != QByteArray(sequence.data(), std::ssize(sequence)))
        return false;
    const char32_t c = decoded.toUcs4().value(0);
    return c >= 0x20 && c != 0x7f && !(c >= 0x80 && c < 0xa0) && c != '\\';
}

} // namespace

std::string escapedForEcho(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text.front());
        const std::size_t length = std::min(sequenceLength(lead), text.size());
        if (printableCharacter(text.substr(0, length))) {
            out += text.substr(0, length);
            text.remove_prefix(length);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", lead);
            out += escape;
            text.remove_prefix(1);
        }
    }
    return out;
}

} // namespace zelvano::cli
