#pragma once
// Reader of the word-table source file (words.tsv): one header line, then one
// entry per line, an identifier and ten tab-separated texts in language order.
// Shared by the build-time generator and the tests, so both judge the file alike.

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace quarn::words {

inline constexpr std::size_t languageColumns = 10;
inline constexpr std::string_view headerLine = "id\ten\tru\tde\tfr\tes\tzh\tit\tcs\tja\tko";

struct Row {
    int line = 0;                                   // line number in the file, from 1
    std::string id;                                 // a C++ identifier, unique in the file
    std::array<std::string, languageColumns> texts; // escapes already expanded
};

struct File {
    std::vector<Row> rows;
    std::vector<std::string> errors; // "line N: what is wrong"; empty when the file is sound
    bool ok() const { return errors.empty(); }
};

// Reads the whole stream. Every fault is reported with its line; a faulty line
// is left out of rows, the others are still read.
File parse(std::istream &in);

// Expands the escapes of one cell: \n, \r, \t and \\. Returns false (and leaves
// out unchanged) on an unknown escape or a trailing backslash.
bool expandEscapes(std::string_view cell, std::string &out);

// True when text is well-formed UTF-8 (no overlongs, no surrogates).
bool isValidUtf8(std::string_view text);

// Columns the text takes in a fixed-width font: East Asian wide and full-width
// characters count two, combining marks none, everything else one.
std::size_t displayWidth(std::string_view utf8);

} // namespace quarn::words
