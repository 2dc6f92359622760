#include "net/lan/AddressRules.h"

#include <algorithm>

namespace quarn::lan {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool OnlyAddressCharacters(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

bool OnlyPortCharacters(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsAddressShape(std::string_view text) {
    if (std::count(text.begin(), text.end(), '.') != 3)
        return false;
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t end = std::min(text.find('.', start), text.size());
        const std::size_t length = end - start;
        if (length < 1 || length > 3)
            return false;
        start = end + 1;
    }
    return true;
}

std::optional<unsigned short> PortNumber(std::string_view text) {
    if (text.empty() || text.size() > 5 || !OnlyPortCharacters(text))
        return std::nullopt;
    unsigned value = 0;
    for (char c : text)
        value = value * 10 + unsigned(c - '0');
    if (value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<unsigned short>(value);
}

std::vector<ListedAddress> AddressList(const std::vector<std::string> &interfaceAddresses,
                                       const std::string &outsideAddress) {
    std::vector<ListedAddress> list;
    const std::size_t fixed = outsideAddress.empty() ? 1 : 2;
    const std::size_t room = kAddressListBoxes - fixed;
    for (const std::string &address : interfaceAddresses) {
        if (list.size() == room)
            break;
        list.push_back({address, false});
    }
    if (!outsideAddress.empty())
        list.push_back({outsideAddress, false});
    list.push_back({std::string(kLoopAddress), true});
    return list;
}

} // namespace quarn::lan
