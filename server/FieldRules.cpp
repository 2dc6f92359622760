#include "server/FieldRules.h"

#include "web/Countries.h"
#include "web/FieldCheck.h"

#include <cmath>

namespace server {
namespace {

std::string_view view(const QByteArray &v) {
    return {v.constData(), size_t(v.size())};
}

bool controlOrBlank(unsigned char c) {
    return c <= ' ' || c == 0x7f;
}

} // namespace

bool isAccountNick(const QByteArray &v) {
    return web::FieldCheckCp1251(view(v), web::kNickField) == web::kAccepted;
}

bool isAccountCity(const QByteArray &v) {
    return web::FieldCheckCp1251(view(v), web::kCityField) != web::kRefused;
}

bool isAccountPassword(const QByteArray &v) {
    return web::FieldCheckCp1251(view(v), web::kPasswordField) == web::kAccepted;
}

bool isAccountEMail(const QByteArray &v) {
    return web::FieldCheckCp1251(view(v), web::kEMailField) == web::kAccepted;
}

bool isPassportNick(const QByteArray &v) {
    return web::PassportCheckCp1251(view(v), web::kNickField) != web::kRefused;
}

bool isPassportCity(const QByteArray &v) {
    return web::PassportCheckCp1251(view(v), web::kCityField) != web::kRefused;
}

bool isCountryCode(const QByteArray &v) {
    return v.size() == 5 && web::parseCountryCode(view(v)).has_value();
}

bool isSex(const QByteArray &v) {
    return v == "M" || v == "W";
}

bool isToken(const QByteArray &v, int maxLength) {
    if (v.isEmpty() || v.size() > maxLength)
        return false;
    for (char c : v) {
        const auto u = static_cast<unsigned char>(c);
        if (controlOrBlank(u) || c == '$' || c == '*' || c == '~' || c == '&' || c == '=')
            return false;
    }
    return true;
}

bool isChatText(const QByteArray &v) {
    if (v == "#")
        return true;
    if (v.isEmpty() || v.size() > 80)
        return false;
    for (char c : v)
        if (!web::isAllowedChar(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool isProfileText(const QByteArray &v, int maxLength) {
    if (v.size() > maxLength)
        return false;
    for (char c : v) {
        const auto u = static_cast<unsigned char>(c);
        if (u < ' ' || u == 0x7f || c == '$' || c == '~')
            return false;
    }
    return true;
}

std::optional<qint64> integerValue(const QByteArray &v, qint64 min, qint64 max) {
    if (v.isEmpty() || v.size() > 19)
        return std::nullopt;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (!(c >= '0' && c <= '9') && !(i == 0 && (c == '-' || c == '+') && v.size() > 1))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = v.toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<double> decimalValue(const QByteArray &v, double limit) {
    if (v.isEmpty() || v.size() > 40)
        return std::nullopt;
    for (char c : v)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    bool ok = false;
    const double value = v.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > limit)
        return std::nullopt;
    return value;
}

} // namespace server
