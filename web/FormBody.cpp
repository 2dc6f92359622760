#include "web/FormBody.h"

#include "store/Cp1251.h"

namespace web {
namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void appendEscaped(std::string &out, unsigned char c) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 15];
}

// `escape` says which value bytes are percent-escaped; `refuse` which ones
// make the whole body unsendable.
template <class Escape, class Refuse>
std::optional<std::string> joinFields(const FormFields &fields, Escape mustEscape,
                                      Refuse mustRefuse) {
    std::string body;
    for (const auto &field : fields) {
        const auto name = quarn::utf8ToCp1251(field.name);
        const auto value = quarn::utf8ToCp1251(field.value);
        if (!name || !value)
            return std::nullopt;
        if (!body.empty())
            body += '&';
        body += *name;
        body += '=';
        for (unsigned char c : *value) {
            if (mustRefuse(c))
                return std::nullopt;
            if (mustEscape(c))
                appendEscaped(body, c);
            else
                body += static_cast<char>(c);
        }
    }
    return body;
}

} // namespace

std::optional<std::string> rawBody(const FormFields &fields) {
    return joinFields(
        fields, [](unsigned char) { return false; }, [](unsigned char c) { return c == '&'; });
}

std::optional<std::string> listedBody(const FormFields &fields) {
    return joinFields(
        fields, [](unsigned char c) { return !isUnreserved(c); },
        [](unsigned char) { return false; });
}

} // namespace web
