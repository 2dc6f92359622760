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

} // namespace quarn
