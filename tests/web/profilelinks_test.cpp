// Which profile texts of other players the account window opens, and as
// which address: web pages and e-mail only.
#include "web/ProfileLinks.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileLinks, OnlyWebPagesAndMailAreOpened) {
    const struct {
        const char *text;
        std::optional<std::string> opened;
    } cases[] = {
        {"http://example.org/me", "http://example.org/me"},
        {"https://vk.com/id1?x=1#top", "https://vk.com/id1?x=1#top"},
        {"HTTPS://Example.org", "HTTPS://Example.org"},
        {"mailto:ann@example.org", "mailto:ann@example.org"},
        {"  example.org  ", "http://example.org"},
        {"www.youtube.com/@ann", "http://www.youtube.com/@ann"},
        {"example.org:8080/me", "http://example.org:8080/me"},
        // files and paths of any system
        {"file:///etc/passwd", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"~/.ssh/id_rsa", std::nullopt},
        {"../secret", std::nullopt},
        {"C:\\Windows\\system32\\calc.exe", std::nullopt},
        {"C:/Windows/notepad.exe", std::nullopt},
        {"\\\\server\\share", std::nullopt},
        // other schemes
        {"javascript:alert(1)", std::nullopt},
        {"skype:ann?call", std::nullopt},
        {"smb://host/share", std::nullopt},
        {"ftp://example.org/x", std::nullopt},
        {"data:text/html,hi", std::nullopt},
        {"mailto:", std::nullopt},
        {"mailto:///etc/passwd", std::nullopt},
        {"http:/example.org", std::nullopt},
        {"http://", std::nullopt},
        {"example.org:x/me", std::nullopt},
        // what is no address at all
        {"", std::nullopt},
        {"my nick", std::nullopt},
        {"ann", std::nullopt},
        {"@ann", std::nullopt},
        {"example.org/a b", std::nullopt},
        {"example.org/\x01", std::nullopt},
        {"-example.org", std::nullopt},
        {"example.", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(web::profileLinkToOpen(c.text), c.opened) << c.text;
}

} // namespace
