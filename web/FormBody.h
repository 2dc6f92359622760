#pragma once
// The two body styles of the services' form posts, in code page 1251.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace web {

// One form field; both texts UTF-8.
struct FormField {
    std::string name;
    std::string value;
};
using FormFields = std::vector<FormField>;

// The raw body: "name=value" pairs joined by "&", sent as they are. The
// callers keep the separators of the replies and of the body out of their
// values (the field check refuses them). A value that still holds an "&" would
// be cut short and could smuggle in a field of its own, so such a body is
// refused: nothing. Nothing also when a text cannot be written in code page
// 1251.
std::optional<std::string> rawBody(const FormFields &fields);

// The listed body: the same pairs with every value percent-escaped (all bytes
// but letters, digits and "-._~"), in code page 1251.
std::optional<std::string> listedBody(const FormFields &fields);

} // namespace web
