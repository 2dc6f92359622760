// Build-time generator: reads words.tsv and writes the WordEntry enum and the
// compiled-in table. Usage: quarn_lang_gen <words.tsv> <output folder>
// Fails (exit 1, with every fault listed) on a malformed or incomplete file, so
// a broken table never reaches the program.

#include "lang/gen/WordsFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using quarn::words::Row;

// A C++ string literal for text; octal escapes are always three digits, so the
// character after one can never be read as part of it.
std::string literal(const std::string &text) {
    static const char *octal = "01234567";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f || c == '?') { // '?' avoids trigraphs
            out += '\\';
            out += octal[(c >> 6) & 7];
            out += octal[(c >> 3) & 7];
            out += octal[c & 7];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string header(const std::vector<Row> &rows) {
    std::ostringstream out;
    out << "// Generated from lang/words.tsv by quarn_lang_gen; edit the table, not this file.\n"
           "#pragma once\n\n#include <cstddef>\n#include <cstdint>\n\nnamespace quarn {\n\n"
           "enum class WordEntry : std::uint16_t {\n";
    for (const Row &row : rows)
        out << "    " << row.id << ",\n";
    out << "};\n\ninline constexpr std::size_t wordEntryCount = " << rows.size()
        << ";\n\n} // namespace quarn\n";
    return out.str();
}

std::string table(const std::vector<Row> &rows) {
    std::ostringstream out;
    out << "// Generated from lang/words.tsv by quarn_lang_gen; edit the table, not this file.\n"
           "#include \"lang/WordTableData.h\"\n\nnamespace quarn::detail {\n\n"
           "const std::string_view wordTable[wordEntryCount][languageCount] = {\n";
    for (const Row &row : rows) {
        out << "    { // " << row.id << "\n";
        for (const std::string &text : row.texts)
            out << "        " << literal(text) << ",\n";
        out << "    },\n";
    }
    out << "};\n\nconst std::string_view wordEntryIds[wordEntryCount] = {\n";
    for (const Row &row : rows)
        out << "    \"" << row.id << "\",\n";
    out << "};\n\n} // namespace quarn::detail\n";
    return out.str();
}

// Writes only when the content changed, so an unchanged table rebuilds nothing.
bool writeIfChanged(const std::filesystem::path &path, const std::string &content) {
    std::ifstream old(path, std::ios::binary);
    if (old) {
        std::ostringstream current;
        current << old.rdbuf();
        if (current.str() == content)
            return true;
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: quarn_lang_gen <words.tsv> <output folder>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    quarn::words::File file = quarn::words::parse(in);
    if (!file.ok()) {
        for (const std::string &error : file.errors)
            std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }
    std::filesystem::path folder = argv[2];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!writeIfChanged(folder / "WordEntry.h", header(file.rows)) ||
        !writeIfChanged(folder / "WordTable.cpp", table(file.rows))) {
        std::cerr << folder.string() << ": cannot write the generated table\n";
        return 1;
    }
    return 0;
}
