#pragma once
// The fourteen profile texts of an account as they travel and are stored:
// the one table that the program's requests and the server's storage share.
// Its order is the wire order of the save request and of the read reply
// (WebSite before Skype, unlike the record's declaration).
#include <array>
#include <string>
#include <string_view>

#include "web/Records.h"

namespace web {

struct ProfileField {
    std::string_view wire;      // field name in the save request
    std::string_view column;    // column of the server's profiles table
    int maxLength;              // the profile editor's limit, in characters
    std::string TInfo14::*text; // the record's text
};

inline constexpr std::array<ProfileField, TInfo14::kCount> kProfileFields{{
    {"namei", "name1", 20, &TInfo14::Name1},
    {"name2", "name2", 20, &TInfo14::Name2},
    {"about", "about", 50, &TInfo14::About},
    {"telephone", "telephone", 20, &TInfo14::Telephone},
    {"emailo", "emailo", 50, &TInfo14::EMailO},
    {"website", "website", 50, &TInfo14::WebSite},
    {"skype", "skype", 50, &TInfo14::Skype},
    {"ok", "ok", 50, &TInfo14::OK},
    {"vk", "vk", 50, &TInfo14::VK},
    {"telegram", "telegram", 50, &TInfo14::Telegram},
    {"facebook", "facebook", 60, &TInfo14::FaceBook},
    {"twitter", "twitter", 50, &TInfo14::Twitter},
    {"instagramm", "instagramm", 50, &TInfo14::Instagramm},
    {"youtube", "youtube", 50, &TInfo14::YouTube},
}};

// The columns in wire order, each followed by `suffix` and separated by
// ", ": "name1, name2, ..." or, with suffix " = ?", an UPDATE's SET list.
inline std::string profileColumnList(std::string_view suffix = {}) {
    std::string list;
    for (const ProfileField &field : kProfileFields) {
        if (!list.empty())
            list += ", ";
        list += field.column;
        list += suffix;
    }
    return list;
}

} // namespace web
