#pragma once
// The rules of the address and port boxes of the welcome window's network
// section, and the list that "To receive the IP-addresses" shows. Plain C++.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarn::lan {

inline constexpr int kAddressBoxMax = 20;
inline constexpr int kPortBoxMax = 5;
inline constexpr int kAddressListBoxes = 6;
inline constexpr std::string_view kLoopAddress = "127.0.0.1";

// Only digits and points (the address box) or only digits (the port box).
bool OnlyAddressCharacters(std::string_view text);
bool OnlyPortCharacters(std::string_view text);

// An address the client may try: exactly three points and four parts of one
// to three characters each. The values of the parts are not tested.
bool IsAddressShape(std::string_view text);

// The port of the port box; nothing when the box is empty or the number is
// no port a socket can use (0 or above 65535).
std::optional<unsigned short> PortNumber(std::string_view text);

// One line of the address list.
struct ListedAddress {
    std::string address;
    bool loop = false; // "127.0.0.1", shown with the hint "Loop"
};

// The six boxes: the machine's interface addresses first, then its address
// as seen from the internet (when known), then "127.0.0.1". When there are
// more interface addresses than room, the ones beyond are left out so that
// the outside and the loop address always show.
std::vector<ListedAddress> AddressList(const std::vector<std::string> &interfaceAddresses,
                                       const std::string &outsideAddress);

} // namespace quarn::lan
