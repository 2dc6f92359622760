// Password hashes: salted, verified with the rounds they were made with.
#include "server/PasswordHash.h"

#include <gtest/gtest.h>

using namespace server;

namespace {

TEST(PasswordHash, VerifiesOnlyTheSamePasswordAndNeverKeepsItInClear) {
    const PasswordHash hash = hashPassword("secret1");
    EXPECT_EQ(hash.iterations, kPasswordIterations);
    EXPECT_EQ(hash.hashHex.size(), 64);
    EXPECT_FALSE(hash.hashHex.contains("secret1"));
    EXPECT_TRUE(verifyPassword("secret1", hash));
    for (const char *other : {"secret2", "Secret1", "secret1 ", ""})
        EXPECT_FALSE(verifyPassword(other, hash)) << other;
}

TEST(PasswordHash, EachHashHasItsOwnSaltAndKeepsItsRounds) {
    const PasswordHash a = hashPassword("secret1", 1000);
    const PasswordHash b = hashPassword("secret1", 1000);
    EXPECT_NE(a.saltHex, b.saltHex);
    EXPECT_NE(a.hashHex, b.hashHex);
    // A hash made with fewer rounds still verifies: the rounds are stored with it.
    EXPECT_TRUE(verifyPassword("secret1", a));
    PasswordHash tampered = a;
    tampered.iterations = 1001;
    EXPECT_FALSE(verifyPassword("secret1", tampered));
    tampered.iterations = 0;
    EXPECT_FALSE(verifyPassword("secret1", tampered));
}

} // namespace
