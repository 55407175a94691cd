#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/posix/registry_text.h"

namespace platform::registry {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHive = "HKEY_LOCAL_MACHINE";
constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHexByte(std::string& out, std::uint8_t byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

// Between double quotes, with "\" and the quote itself escaped by a "\".
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
}

bool IsPlainText(const Value& value) {
    if (value.type != kString || value.data.empty() || value.data.back() != 0) return false;
    for (std::size_t at = 0; at + 1 < value.data.size(); ++at) {
        if (value.data[at] < 0x20 || value.data[at] > 0x7E) return false;
    }
    return true;
}

void AppendData(std::string& out, const Value& value) {
    const std::vector<std::uint8_t>& data = value.data;
    if (IsPlainText(value)) {
        AppendQuoted(out,
                     std::string_view(reinterpret_cast<const char*>(data.data()), data.size() - 1));
        return;
    }
    char number[16];
    if (value.type == kDWord && data.size() == 4) {
        std::snprintf(
            number, sizeof number, "dword:%08x",
            data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned>(data[3]) << 24);
        out += number;
        return;
    }
    if (value.type == kBinary) {
        out += "hex:";
    } else {
        std::snprintf(number, sizeof number, "hex(%x):", value.type);
        out += number;
    }
    for (std::size_t at = 0; at < data.size(); ++at) {
        if (at != 0) out += ',';
        AppendHexByte(out, data[at]);
    }
}

// A number of one to eight hexadecimal digits.
std::optional<std::uint32_t> HexNumber(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        number = number << 4 | static_cast<std::uint32_t>(digit);
    }
    return number;
}

// Reads a quoted text that starts at `at`; the position after its closing quote.
std::optional<std::size_t> ReadQuoted(std::string_view line, std::size_t at, std::string& out) {
    if (line.substr(at, 1) != "\"") return std::nullopt;
    for (++at; at < line.size(); ++at) {
        if (line[at] == '"') return at + 1;
        if (line[at] == '\\') {
            if (++at == line.size() || (line[at] != '\\' && line[at] != '"')) return std::nullopt;
        }
        out += line[at];
    }
    return std::nullopt;
}

// Bytes as two-digit hexadecimal numbers separated by commas.
std::optional<std::vector<std::uint8_t>> HexList(std::string_view text) {
    std::vector<std::uint8_t> data;
    while (!text.empty()) {
        const auto byte = HexByte(text, 0);
        if (!byte || (text.size() > 2 && text[2] != ',') || text.size() == 3) return std::nullopt;
        data.push_back(*byte);
        text.remove_prefix(std::min<std::size_t>(3, text.size()));
    }
    return data;
}

std::optional<Value> ParseData(std::string_view text) {
    if (text.substr(0, 1) == "\"") {
        std::string quoted;
        if (ReadQuoted(text, 0, quoted) != text.size()) return std::nullopt;
        // Stored with its terminating zero.
        Value value{kString, std::vector<std::uint8_t>(quoted.begin(), quoted.end())};
        value.data.push_back(0);
        return value;
    }
    if (text.substr(0, 6) == "dword:") {
        const auto number = HexNumber(text.substr(6));
        if (!number) return std::nullopt;
        return Value{
            kDWord,
            {static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
             static_cast<std::uint8_t>(*number >> 16), static_cast<std::uint8_t>(*number >> 24)}};
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::optional<std::uint32_t> type;
    if (text.substr(0, colon) == "hex") {
        type = kBinary;
    } else if (text.substr(0, 4) == "hex(" && text[colon - 1] == ')') {
        type = HexNumber(text.substr(4, colon - 5));
    }
    const auto data = type ? HexList(text.substr(colon + 1)) : std::nullopt;
    if (!data) return std::nullopt;
    return Value{*type, *data};
}

// "name"=data, or @=data for the value without a name.
std::optional<Tree::NamedValue> ParseValue(std::string_view line) {
    Tree::NamedValue value;
    std::optional<std::size_t> end;
    if (line.substr(0, 1) == "@")
        end = 1;
    else
        end = ReadQuoted(line, 0, value.name);
    if (!end || line.substr(*end, 1) != "=" || !IsStorableName(value.name)) return std::nullopt;
    auto data = ParseData(line.substr(*end + 1));
    if (!data) return std::nullopt;
    value.value = std::move(*data);
    return value;
}

bool IsHive(std::string_view text) {
    if (text.size() != kHive.size()) return false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (std::toupper(static_cast<unsigned char>(text[at])) != kHive[at]) return false;
    }
    return true;
}

// The key path below the hive that a "[...]" line names; the empty path for the hive itself.
std::optional<std::string> ParseKeyLine(std::string_view line, TextLines& lines) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    const std::string_view name = line.substr(1, line.size() - 2);
    const std::size_t cut = name.find('\\');
    if (!IsHive(name.substr(0, cut))) return std::nullopt;
    if (cut == std::string_view::npos) return std::string();
    return lines.KeyPath(name.substr(cut + 1));
}

Loaded ParseExportText(TextLines& lines) {
    Tree tree;
    std::optional<std::string> current;
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            current = ParseKeyLine(line, lines);
            if (!current) return lines.Spoilt();
            tree.Create(*current);
            continue;
        }
        // A long list of bytes goes on over lines that end with "\".
        std::string joined(line);
        while (!joined.empty() && joined.back() == '\\' && lines.Next(line)) {
            joined.pop_back();
            joined += line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
        }
        auto value = ParseValue(joined);
        if (!current || !value || !tree.SetValue(*current, value->name, std::move(value->value)))
            return lines.Spoilt();
    }
    return {std::move(tree), {}};
}

}  // namespace

// A block for each key that holds values, and for each that holds nothing at all; a key with no
// values of its own whose subkeys have blocks is made by theirs, as regedit makes it.
std::string ExportText(const Tree& tree) {
    std::string text(kHeader);
    text += '\n';
    tree.Walk([&text](const std::string& path, const std::vector<Tree::NamedValue>& values,
                      bool hasSubKeys) {
        if (values.empty() && hasSubKeys) return;
        text += "\n[";
        text += kHive;
        text += '\\' + path + "]\n";
        for (const Tree::NamedValue& value : values) {
            if (value.name.empty())
                text += '@';
            else
                AppendQuoted(text, value.name);
            text += '=';
            AppendData(text, value.value);
            text += '\n';
        }
    });
    text += '\n';
    return text;
}

Loaded ParseStoreText(std::string_view text) {
    if (text.empty()) return {Tree(), {}};
    if (text.back() != '\n') return {std::nullopt, "cut short: its last line has no end"};
    TextLines lines(text);
    std::string_view header;
    lines.Next(header);
    if (header == kHeader) return ParseExportText(lines);
    if (header == kEarlierHeader) return ParseEarlierText(lines);
    return {std::nullopt, "not a registry file: its first line is not REGEDIT4"};
}

bool TextLines::Next(std::string_view& line) {
    if (m_rest.empty()) return false;
    const std::size_t end = m_rest.find('\n');
    line = m_rest.substr(0, end);
    m_rest.remove_prefix(std::min(end, m_rest.size() - 1) + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++m_number;
    m_tooDeep = false;
    return true;
}

Loaded TextLines::Spoilt() const {
    const std::string why = m_tooDeep ? "names a key deeper than the " +
                                            std::to_string(kDeepestKey) + " levels a key may have"
                                      : "is not understood";
    return {std::nullopt, "line " + std::to_string(m_number) + ' ' + why};
}

std::optional<std::string> TextLines::KeyPath(std::string_view path) {
    auto joined = JoinKeyPath({}, std::string(path));
    m_tooDeep = !joined && IsTooDeep(path);
    return joined;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::optional<unsigned char> HexByte(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return std::nullopt;
    const int high = HexDigit(text[at]);
    const int low = HexDigit(text[at + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<unsigned char>(high * 16 + low);
}

}  // namespace platform::registry
