// Login sessions: the cookie that ties the program's client to its account.
#include "server/Sessions.h"

#include <gtest/gtest.h>

using server::Sessions;

namespace {

TEST(Sessions, TheSessionIdIsFoundAmongOtherCookies) {
    const struct {
        QByteArray header;
        QByteArray id;
    } cases[] = {
        {"wemsid=abc123", "abc123"},     {"theme=dark; wemsid=abc123; lang=ru", "abc123"},
        {"  wemsid=abc123  ", "abc123"}, {"xwemsid=abc123", ""},
        {"wemsidx=abc123", ""},          {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Sessions::idFromCookieHeader(c.header), c.id) << c.header.constData();
}

TEST(Sessions, IdsAreRandomAndNameTheirNick) {
    Sessions sessions;
    const QByteArray ann = sessions.open(QStringLiteral("Ann"));
    const QByteArray bob = sessions.open(QStringLiteral("Bob"));
    EXPECT_NE(ann, bob);
    EXPECT_EQ(ann.size(), 32);
    EXPECT_EQ(sessions.nickOf(ann), QStringLiteral("Ann"));
    EXPECT_EQ(sessions.nickOf(bob), QStringLiteral("Bob"));
    EXPECT_TRUE(sessions.nickOf("0123456789abcdef0123456789abcdef").isEmpty());
    EXPECT_TRUE(sessions.nickOf("").isEmpty());
    EXPECT_TRUE(Sessions::setCookieValue(ann).startsWith("wemsid=" + ann + ";"));
}

} // namespace
