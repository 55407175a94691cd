#include "platform/posix/registry_text.h"

// The store's earlier text: a header line, then "[path]" lines each followed by the key's
// values as "name"=type:hexdata, with every byte of a name that is not printable ASCII or
// could be mistaken for syntax written as %XX.
namespace platform::registry {
namespace {

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c >= 0x7F || c == '%' || c == '"' || c == '[' || c == ']' || c == '=';
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            if (NeedsEscape(static_cast<unsigned char>(text[at]))) return std::nullopt;
            out += text[at];
            continue;
        }
        const auto byte = HexByte(text, at + 1);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
        at += 2;
    }
    if (!IsStorableName(out)) return std::nullopt;
    return out;
}

std::optional<std::vector<std::uint8_t>> HexData(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> data;
    for (std::size_t at = 0; at < text.size(); at += 2) {
        const auto byte = HexByte(text, at);
        if (!byte) return std::nullopt;
        data.push_back(*byte);
    }
    return data;
}

bool ParseValueLine(std::string_view line, Tree::NamedValue& out) {
    const std::size_t close = line.find('"', 1);
    if (close == std::string_view::npos || line.substr(close + 1, 1) != "=") return false;
    const auto name = Unescaped(line.substr(1, close - 1));
    const std::string_view rest = line.substr(close + 2);
    const std::size_t colon = rest.find(':');
    if (!name || colon == std::string_view::npos || colon == 0) return false;
    std::uint32_t type = 0;
    for (const char c : rest.substr(0, colon)) {
        if (c < '0' || c > '9' || type > 0xFFFFFFFFu / 10) return false;
        type = type * 10 + static_cast<std::uint32_t>(c - '0');
    }
    const auto data = HexData(rest.substr(colon + 1));
    if (!data) return false;
    out = {*name, Value{type, *data}};
    return true;
}

}  // namespace

Loaded ParseEarlierText(TextLines& lines) {
    Tree tree;
    std::string current;
    std::string_view line;
    while (lines.Next(line)) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const auto name = Unescaped(line.substr(1, line.size() - 2));
            auto path = name ? lines.KeyPath(*name) : std::nullopt;
            if (!path) return lines.Spoilt();
            current = std::move(*path);
            tree.Create(current);
        } else if (!line.empty() && line.front() == '"' && !current.empty()) {
            Tree::NamedValue value;
            if (!ParseValueLine(line, value)) return lines.Spoilt();
            tree.SetValue(current, value.name, std::move(value.value));
        } else {
            return lines.Spoilt();
        }
    }
    return {std::move(tree), {}};
}

}  // namespace platform::registry
