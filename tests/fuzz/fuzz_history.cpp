// libs: quarn_store
// The history check meets arbitrary bytes, and an entry made of arbitrary
// bytes is written into it. Beyond not crashing: an entry line is always 114
// characters on one line, and adding it to an intact file keeps the file
// intact with one entry more.
#include "store/History.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Takes up to `count` bytes from the front of the input.
std::string_view take(std::string_view &input, size_t count) {
    const std::string_view piece = input.substr(0, count);
    input.remove_prefix(piece.size());
    return piece;
}

template <typename T> T takeValue(std::string_view &input) {
    T value{};
    const std::string_view piece = take(input, sizeof(T));
    if (!piece.empty())
        std::memcpy(&value, piece.data(), piece.size());
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const quarn::HistoryCheck check = quarn::checkHistoryBytes(bytes);
    const auto rows = quarn::historyRows(bytes);
    if (check.intact && rows.size() != static_cast<size_t>(check.entries))
        __builtin_trap();

    std::string_view input = bytes;
    quarn::HisStr entry;
    entry.HKon = takeValue<int32_t>(input);
    entry.HRes = takeValue<int32_t>(input);
    entry.HRei = takeValue<double>(input);
    entry.Ac = takeValue<uint8_t>(input);
    const quarn::HistoryStamp stamp{std::string(take(input, 7)), std::string(take(input, 13))};
    entry.HName = std::string(take(input, 70));

    const std::string line = quarn::historyEntryLine(entry, stamp);
    if (line.size() != 114 || line.find_first_of("\r\n") != std::string::npos)
        __builtin_trap();

    if (check.intact) {
        const std::string longer = quarn::historyWithEntries(bytes, {&entry, 1}, stamp);
        const quarn::HistoryCheck after = quarn::checkHistoryBytes(longer);
        if (!after.intact || after.entries != check.entries + 1)
            __builtin_trap();
    }
    return 0;
}
