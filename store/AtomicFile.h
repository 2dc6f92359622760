#pragma once
// Whole-file reads and writes for the stores. A write goes to a temporary
// file in the same folder that is then renamed over the target, so a failed
// write leaves either the old file or the new one, never a truncated one.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quarn {

enum class ReadStatus {
    Ok,
    Missing,    // no such file
    Unreadable, // exists but cannot be opened or read (or is not a file)
    TooLarge,   // larger than the reader's limit: not one of our files
};

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

// Reads the whole file, refusing files larger than maxBytes.
FileBytes readFileBytes(const std::filesystem::path &path, std::size_t maxBytes);

// Replaces the file with `bytes` through a temporary file and a rename.
// Refuses (returns false) when the file exists but this user may not write
// it, so a file made read-only stays untouched. The folder must exist.
bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);

} // namespace quarn
