#include "web/Cp1251.h"

#include <cerrno>
#include <iconv.h>

namespace web {
namespace {

// One iconv conversion descriptor for the length of one call.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as far as possible; returns false at the first byte sequence
    // that cannot be converted, with `in` left pointing at it.
    bool run(std::string_view& in, std::string& out) {
        char buffer[512];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

  private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> toCp1251(std::string_view utf8) {
    Converter converter("CP1251", "UTF-8");
    if (!converter.valid()) return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    if (!converter.run(utf8, out)) return std::nullopt;
    return out;
}

std::string fromCp1251(std::string_view bytes) {
    Converter converter("UTF-8", "CP1251");
    std::string out;
    out.reserve(bytes.size() * 2);
    if (!converter.valid()) return out;
    while (!converter.run(bytes, out) && !bytes.empty()) {
        out += "\xEF\xBF\xBD"; // U+FFFD for the unmapped byte
        bytes.remove_prefix(1);
    }
    return out;
}

} // namespace web
