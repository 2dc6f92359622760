// libs: quarn_store
// The settings reader meets arbitrary bytes. Beyond not crashing: whatever it
// reads, the writer makes a file that reads through to the end and writes
// back to the same bytes.
#include "store/LineFile.h"
#include "store/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const quarn::SettingsRead read = quarn::parseSettings(bytes);
    if (read.ignored && !(read.values == quarn::Settings{}))
        __builtin_trap();

    const std::string written = quarn::joinCrlfLines(quarn::settingsLines(read.values));
    const quarn::SettingsRead again = quarn::parseSettings(written);
    if (again.ignored || again.stoppedAtLine != 0)
        __builtin_trap();
    if (quarn::joinCrlfLines(quarn::settingsLines(again.values)) != written)
        __builtin_trap();
    return 0;
}
