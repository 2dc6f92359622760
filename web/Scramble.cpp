#include "web/Scramble.h"

#include <algorithm>
#include <optional>

namespace web {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The key stream advances with each scrambled byte.
std::uint16_t nextState(std::uint16_t state, unsigned char scrambledByte) {
    return static_cast<std::uint16_t>((scrambledByte + state) * 52845u + 22719u);
}

std::optional<unsigned> alphabetPosition(char c) {
    const auto pos = kAlphabet.find(c);
    if (pos == std::string_view::npos)
        return std::nullopt;
    return static_cast<unsigned>(pos);
}

// Three bytes become four characters, two become three, one becomes two.
std::string toText(const std::string &bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t count = std::min<size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (size_t j = 0; j < count; ++j)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + j])) << (8 * j);
        for (size_t k = 0; k <= count; ++k)
            text += kAlphabet[(v >> (6 * k)) & 63];
    }
    return text;
}

std::optional<std::string> fromText(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    for (size_t i = 0; i < text.size(); i += 4) {
        const size_t count = std::min<size_t>(4, text.size() - i);
        if (count < 2)
            return std::nullopt;
        std::uint32_t v = 0;
        for (size_t k = 0; k < count; ++k) {
            const auto p = alphabetPosition(text[i + k]);
            if (!p)
                return std::nullopt;
            v |= *p << (6 * k);
        }
        for (size_t j = 0; j + 1 < count; ++j)
            bytes += static_cast<char>((v >> (8 * j)) & 0xFF);
    }
    return bytes;
}

} // namespace

std::string Scramble(std::string_view bytes, std::uint16_t key) {
    std::string scrambled;
    scrambled.reserve(bytes.size());
    std::uint16_t state = key;
    for (unsigned char b : bytes) {
        const auto out = static_cast<unsigned char>(b ^ (state >> 8));
        scrambled += static_cast<char>(out);
        state = nextState(state, out);
    }
    return toText(scrambled);
}

std::string Unscramble(std::string_view text, std::uint16_t key) {
    const auto scrambled = fromText(text);
    if (!scrambled)
        return {};
    std::string plain;
    plain.reserve(scrambled->size());
    std::uint16_t state = key;
    for (unsigned char b : *scrambled) {
        plain += static_cast<char>(b ^ (state >> 8));
        state = nextState(state, b);
    }
    return plain;
}

} // namespace web
