// Splitting and decoding of the services' form bodies.
#include "server/FormFields.h"

#include <gtest/gtest.h>

using server::BodyStyle;
using server::FormFields;

namespace {

struct BodyCase {
    const char *name;
    QByteArray body;
    bool accepted;
};

class FormBodies : public testing::TestWithParam<BodyCase> {};

TEST_P(FormBodies, AreAcceptedOrRefusedWhole) {
    const BodyCase &c = GetParam();
    QString error;
    const auto form = FormFields::parse(c.body, &error);
    EXPECT_EQ(form.has_value(), c.accepted) << c.name;
    if (!c.accepted) {
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormBodies,
    testing::Values(BodyCase{"empty", "", true}, BodyCase{"one field", "gid=46", true},
                    BodyCase{"name without value", "readtable410=&gid=46", true},
                    BodyCase{"piece without equals", "label1&x=1", true},
                    BodyCase{"same name twice", "nick=a&nick=b", false},
                    BodyCase{"empty name", "=5&gid=46", false},
                    BodyCase{"empty piece", "gid=46&&x=1", false},
                    BodyCase{"blank in name", "ni ck=a", false},
                    BodyCase{"control byte in name",
                             QByteArray("ni\x01"
                                        "ck=a"),
                             false},
                    BodyCase{"name too long", QByteArray(65, 'n') + "=1", false},
                    BodyCase{"too many fields",
                             [] {
                                 QByteArray b;
                                 for (int i = 0; i < 65; ++i)
                                     b += "f" + QByteArray::number(i) + "=1&";
                                 b.chop(1);
                                 return b;
                             }(),
                             false},
                    BodyCase{"body too large", "about=" + QByteArray(9000, 'x'), false}),
    [](const testing::TestParamInfo<BodyCase> &info) {
        std::string n = info.param.name;
        for (char &ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(FormValues, RawValuesAreTakenAsSentAndListedOnesAreUnescaped) {
    const auto form = FormFields::parse("telephone=+7 999 100%&city=%CC%EE&pw=a%2Bb+c");
    ASSERT_TRUE(form);
    // A raw profile text keeps its "+" and "%" (the program does not escape it).
    EXPECT_EQ(form->value("telephone", BodyStyle::Raw), QByteArray("+7 999 100%"));
    // Listed values are percent-escaped by the client: code page 1251 bytes come back.
    EXPECT_EQ(form->value("city", BodyStyle::Listed), QByteArray("\xCC\xEE"));
    EXPECT_EQ(form->value("pw", BodyStyle::Listed), QByteArray("a+b c"));
    EXPECT_FALSE(form->value("absent", BodyStyle::Raw));
}

TEST(FormValues, BrokenEscapesMakeTheListedValueUnreadable) {
    for (const char *body : {"nick=%", "nick=%4", "nick=%zz", "nick=ab%4"}) {
        const auto form = FormFields::parse(body);
        ASSERT_TRUE(form) << body;
        EXPECT_FALSE(form->value("nick", BodyStyle::Listed)) << body;
        EXPECT_TRUE(form->value("nick", BodyStyle::Raw)) << body;
    }
}

} // namespace
