#include "web/FormBody.h"

#include <gtest/gtest.h>

namespace {

using namespace web;

TEST(FormBody, RawBodyTravelsUnchangedInCodePage1251) {
    EXPECT_EQ(rawBody({{"nick", "Player"}, {"city", "Москва"}, {"R10", "hi_there*"}}),
              std::string("nick=Player&city=\xCC\xEE\xF1\xEA\xE2\xE0&R10=hi_there*"));
    // Spaces, "%" and "+" are not escaped: the services read raw values as they are.
    EXPECT_EQ(rawBody({{"about", "100% a+b = c"}}), std::string("about=100% a+b = c"));
    EXPECT_EQ(rawBody({{"label1", "0"}}), std::string("label1=0"));
    EXPECT_EQ(rawBody({}), std::string());
}

TEST(FormBody, RawValueWithAmpersandIsRefused) {
    // "Tom & Jerry&nick=other" would otherwise end the value and add a field.
    EXPECT_FALSE(rawBody({{"nick", "me"}, {"about", "Tom & Jerry&nick=other"}}).has_value());
}

TEST(FormBody, ListedBodyEscapesValues) {
    EXPECT_EQ(listedBody({{"nick", "a b&c=d"}, {"label0", "0"}}),
              std::string("nick=a%20b%26c%3Dd&label0=0"));
    EXPECT_EQ(listedBody({{"city", "Ёж"}}), std::string("city=%A8%E6"));
    EXPECT_EQ(listedBody({{"pw", "A-z._~9"}}), std::string("pw=A-z._~9"));
}

TEST(FormBody, TextsOutsideCodePage1251AreRefused) {
    EXPECT_FALSE(rawBody({{"about", "北京"}}).has_value());
    EXPECT_FALSE(listedBody({{"nick", "\xFF"}}).has_value());
}

} // namespace
