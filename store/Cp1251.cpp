#include "store/Cp1251.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace quarn {

namespace {

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
  public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; stops at the first byte it cannot convert
    // and leaves `in` pointing at it. Returns false on such a stop.
    bool convert(std::string_view &in, std::string &out) {
        char buffer[256];
        while (!in.empty()) {
            char *inPtr = const_cast<char *>(in.data());
            size_t inLeft = in.size();
            char *outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            in.remove_prefix(in.size() - inLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

  private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> utf8ToCp1251(std::string_view utf8) {
    Converter converter("CP1251", "UTF-8");
    if (!converter.valid())
        return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    if (!converter.convert(utf8, out))
        return std::nullopt;
    return out;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    Converter converter("UTF-8", "CP1251");
    std::string out;
    out.reserve(bytes.size() * 2);
    if (!converter.valid()) {
        for (char c : bytes)
            out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    while (!converter.convert(bytes, out)) {
        out += '?';
        bytes.remove_prefix(1);
    }
    return out;
}

size_t utf8CharacterLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 1;
    // The range of the second byte narrows for E0, ED, F0 and F4, which
    // would otherwise admit overlong forms, surrogates or values past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 1 || length > text.size())
        return 1;
    if (byte(1) < low || byte(1) > high)
        return 1;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

std::string utf8ToCp1251Lossy(std::string_view utf8) {
    if (std::optional<std::string> whole = utf8ToCp1251(utf8))
        return std::move(*whole);
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const size_t length = utf8CharacterLength(utf8);
        out += utf8ToCp1251(utf8.substr(0, length)).value_or("?");
        utf8.remove_prefix(length);
    }
    return out;
}

std::string utf8ToCp1251Line(std::string_view utf8) {
    std::string out = utf8ToCp1251Lossy(utf8);
    for (char &c : out) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F)
            c = '?';
    }
    return out;
}

} // namespace quarn
