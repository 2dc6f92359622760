#include "web/ReplyScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace web {
namespace {

constexpr auto npos = std::string_view::npos;

// The first "$" before the reply's last character, searching from `from`.
size_t openingDollar(std::string_view reply, size_t from = 0) {
    if (reply.size() < 2)
        return npos;
    const size_t pos = reply.find('$', from);
    return pos < reply.size() - 1 ? pos : npos;
}

// The last "$" before the reply's last character.
size_t lastOpeningDollar(std::string_view reply) {
    if (reply.size() < 2)
        return npos;
    return reply.find_last_of('$', reply.size() - 2);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

bool hasStatusWord(std::string_view reply, std::string_view word) {
    return !word.empty() && reply.find(word) != npos;
}

bool hasStatusWordOutsideRecord(std::string_view reply, std::string_view word) {
    const auto record = firstRecord(reply);
    if (!record)
        return hasStatusWord(reply, word);
    if (*record == word)
        return true;
    // The record is a view into the reply: cut it out together with its "$".
    const size_t begin = static_cast<size_t>(record->data() - reply.data()) - 1;
    const size_t end = begin + 1 + record->size();
    return hasStatusWord(reply.substr(0, begin), word) || hasStatusWord(reply.substr(end), word);
}

bool refusedForWantOfSession(std::string_view reply) {
    return firstRecord(reply) == std::string_view("no") && reply.find("log in first") != npos;
}

std::optional<std::string_view> firstRecord(std::string_view reply) {
    const size_t open = openingDollar(reply);
    if (open == npos)
        return std::nullopt;
    const size_t close = reply.find('$', open + 1);
    const size_t end = close != npos ? close : reply.size() - 1;
    return reply.substr(open + 1, end - open - 1);
}

std::vector<std::string_view> splitFields(std::string_view record, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t cut = record.find(separator, start);
        if (cut == npos) {
            fields.push_back(record.substr(start));
            return fields;
        }
        fields.push_back(record.substr(start, cut - start));
        start = cut + 1;
    }
}

std::vector<std::string_view> listEntries(std::string_view reply, size_t limit) {
    std::vector<std::string_view> entries;
    for (size_t open = openingDollar(reply); open != npos && entries.size() < limit;
         open = openingDollar(reply, open + 1)) {
        const size_t star = reply.find('*', open + 1);
        const size_t end = star != npos ? star : reply.size() - 1;
        entries.push_back(reply.substr(open + 1, end - open - 1));
    }
    return entries;
}

std::optional<std::int32_t> lastNumber(std::string_view reply) {
    const size_t open = lastOpeningDollar(reply);
    if (open == npos)
        return std::nullopt;
    size_t end = open + 1;
    while (end < reply.size() - 1 && isDigit(reply[end]))
        ++end;
    return toInteger(reply.substr(open + 1, end - open - 1));
}

bool statisticsAccepted(std::string_view reply) {
    const size_t open = lastOpeningDollar(reply);
    if (open == npos)
        return false;
    std::string_view text = reply.substr(open + 1);
    text = text.substr(0, text.find('#'));
    return text.size() >= 3 && text.substr(1, 2) == "ok";
}

std::optional<std::int32_t> toInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> toDecimal(std::string_view text) {
    std::string normal(text);
    for (char &c : normal) {
        if (c != ' ' && c != '-' && !isDigit(c)) {
            c = '.';
            break;
        }
    }
    const std::string_view trimmed = trimSpaces(normal);
    if (trimmed.empty())
        return 0.0;
    double value = 0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (ec != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string formatDecimal(double value) {
    if (!std::isfinite(value) || std::fabs(value) < 0.00001)
        return "0";
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15) {
        const auto r =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        return std::string(buffer, r.ptr);
    }
    // Fixed notation with 15 significant digits, trailing zeros dropped.
    const int decimals = std::max(0, 14 - static_cast<int>(std::floor(std::log10(magnitude))));
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, r.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

} // namespace web
