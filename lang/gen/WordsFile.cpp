#include "lang/gen/WordsFile.h"

#include <cstdint>
#include <set>

namespace quarn::words {

namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            cells.push_back(line.substr(start));
            return cells;
        }
        cells.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

bool isIdentifier(std::string_view id) {
    if (id.empty())
        return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!letter(id.front()))
        return false;
    for (char c : id)
        if (!letter(c) && !digit(c) && c != '_')
            return false;
    return true;
}

bool hasRawControl(std::string_view cell) {
    for (unsigned char c : cell)
        if (c < 0x20 || c == 0x7f)
            return true;
    return false;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \n\r\t") == std::string_view::npos;
}

std::string at(int line, const std::string &what) {
    return "line " + std::to_string(line) + ": " + what;
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, 0 when malformed.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t &cp) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

bool isWide(char32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
           (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
           (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

bool isCombining(char32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x3099 && cp <= 0x309A);
}

} // namespace

bool isValidUtf8(std::string_view text) {
    char32_t cp;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = decodeUtf8(text, pos, cp);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    char32_t cp;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = decodeUtf8(utf8, pos, cp);
        if (length == 0) { // count a stray byte as one column and go on
            ++width;
            ++pos;
            continue;
        }
        width += isCombining(cp) ? 0 : isWide(cp) ? 2 : 1;
        pos += length;
    }
    return width;
}

bool expandEscapes(std::string_view cell, std::string &out) {
    std::string result;
    result.reserve(cell.size());
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            result += cell[i];
            continue;
        }
        if (++i == cell.size())
            return false;
        switch (cell[i]) {
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        case 't':
            result += '\t';
            break;
        case '\\':
            result += '\\';
            break;
        default:
            return false;
        }
    }
    out = std::move(result);
    return true;
}

namespace {

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// A text with a name inside holds the one placeholder "%1" in every
// language; a text without one has it in none.
bool placeholdersAgree(const Row &row) {
    const std::size_t english = occurrences(row.texts[0], "%1");
    if (english > 1)
        return false;
    for (const std::string &text : row.texts)
        if (occurrences(text, "%1") != english)
            return false;
    return true;
}

} // namespace

File parse(std::istream &in) {
    File file;
    std::set<std::string, std::less<>> ids;
    std::string line;
    int number = 0;
    bool sawHeader = false;
    while (std::getline(in, line)) {
        ++number;
        if (!isValidUtf8(line)) {
            file.errors.push_back(at(number, "not valid UTF-8"));
            continue;
        }
        if (!sawHeader) {
            sawHeader = true;
            if (line != headerLine)
                file.errors.push_back(
                    at(number,
                       "the header must read: id en ru de fr es zh it cs ja ko, tab-separated"));
            continue;
        }
        std::vector<std::string_view> cells = splitTabs(line);
        if (cells.size() != 1 + languageColumns) {
            file.errors.push_back(at(number, "has " + std::to_string(cells.size()) +
                                                 " columns instead of " +
                                                 std::to_string(1 + languageColumns)));
            continue;
        }
        Row row;
        row.line = number;
        row.id = std::string(cells[0]);
        bool sound = true;
        if (!isIdentifier(row.id)) {
            file.errors.push_back(at(number, "the id \"" + row.id + "\" is not an identifier"));
            sound = false;
        } else if (!ids.insert(row.id).second) {
            file.errors.push_back(at(number, "the id " + row.id + " is used twice"));
            sound = false;
        }
        for (std::size_t column = 0; column < languageColumns; ++column) {
            std::string_view cell = cells[column + 1];
            std::string where = "column " + std::string(headerLine.substr(3 + 3 * column, 2));
            if (hasRawControl(cell)) {
                file.errors.push_back(at(number, where + " holds a control character"));
                sound = false;
            } else if (!expandEscapes(cell, row.texts[column])) {
                file.errors.push_back(at(number, where + " holds an unknown escape"));
                sound = false;
            } else if (isBlank(row.texts[column])) {
                file.errors.push_back(at(number, where + " of " + row.id + " is empty"));
                sound = false;
            }
        }
        if (sound && !placeholdersAgree(row)) {
            file.errors.push_back(at(number, row.id + ": every column must hold \"%1\" once, as "
                                                      "the English does, or none must"));
            sound = false;
        }
        if (sound)
            file.rows.push_back(std::move(row));
    }
    if (!sawHeader)
        file.errors.push_back(at(1, "the file is empty"));
    return file;
}

} // namespace quarn::words
