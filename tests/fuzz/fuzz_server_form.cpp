// libs: quarn_server
// Any bytes as a form body: the field reader and the field checks return,
// never crash, and never hand out more than the limits allow.
#include "server/FieldRules.h"
#include "server/FormFields.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray body(reinterpret_cast<const char *>(data), qsizetype(size));
    server::percentDecode(body);
    const auto form = server::FormFields::parse(body);
    if (!form)
        return 0;
    if (body.size() > server::kMaxBodyBytes || form->fields().size() > server::kMaxFieldCount)
        std::abort();
    for (const server::FormField &field : form->fields()) {
        for (const auto style : {server::BodyStyle::Raw, server::BodyStyle::Listed}) {
            const auto value = form->value(field.name, style);
            if (!value)
                continue;
            server::isAccountNick(*value);
            server::isAccountCity(*value);
            server::isAccountPassword(*value);
            server::isAccountEMail(*value);
            server::isPassportNick(*value);
            server::isPassportCity(*value);
            server::isCountryCode(*value);
            server::isToken(*value, 15);
            server::isChatText(*value);
            server::isProfileText(*value, 50);
            server::integerValue(*value, -1'000'000, 1'000'000);
            server::decimalValue(*value, 1e9);
        }
        form->nameStartingWith(field.name.left(3));
    }
    return 0;
}
