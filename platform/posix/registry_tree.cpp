#include "platform/posix/registry_tree.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::registry {
namespace {

constexpr char kSeparator = '\\';
constexpr std::string_view kHeader = "DD registry 1";
// The system's limit for one key name.
constexpr std::size_t kLongestKeyName = 255;

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return folded;
}

std::string_view ParentPath(std::string_view path) {
    const std::size_t cut = path.rfind(kSeparator);
    return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut);
}

// Names go into the file with every byte that could be mistaken for syntax, or that is not
// printable ASCII, written as %XX.
bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c >= 0x7F || c == '%' || c == '"' || c == '[' || c == ']' || c == '=';
}

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHexByte(std::string& out, unsigned char c) {
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0x0F];
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (NeedsEscape(c)) {
            out += '%';
            AppendHexByte(out, c);
        } else {
            out += ch;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<unsigned char> HexByte(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return std::nullopt;
    const int high = HexDigit(text[at]);
    const int low = HexDigit(text[at + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<unsigned char>(high * 16 + low);
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (NeedsEscape(static_cast<unsigned char>(text[at])) && text[at] != '%')
            return std::nullopt;
        if (text[at] != '%') {
            out += text[at];
            continue;
        }
        const auto byte = HexByte(text, at + 1);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
        at += 2;
    }
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

// A value line: "name"=type:hexdata
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

bool Tree::Has(std::string_view path) const {
    return path.empty() || m_keys.count(Folded(path)) != 0;
}

void Tree::Create(std::string_view path) {
    if (path.empty() || Has(path)) return;
    Create(ParentPath(path));
    m_keys.emplace(Folded(path), StoredKey{std::string(path), {}});
}

bool Tree::Remove(std::string_view path) {
    if (path.empty() || !Has(path) || !SubKeyNames(path).empty()) return false;
    m_keys.erase(Folded(path));
    return true;
}

bool Tree::SetValue(std::string_view path, const std::string& name, Value value) {
    const auto key = m_keys.find(Folded(path));
    if (key == m_keys.end()) return false;
    if (Value* existing = const_cast<Value*>(FindValue(path, name)))
        *existing = std::move(value);
    else
        key->second.values.push_back({name, std::move(value)});
    return true;
}

const std::vector<Tree::NamedValue>* Tree::Values(std::string_view path) const {
    const auto key = m_keys.find(Folded(path));
    return key == m_keys.end() ? nullptr : &key->second.values;
}

const Value* Tree::FindValue(std::string_view path, std::string_view name) const {
    const auto* values = Values(path);
    if (values == nullptr) return nullptr;
    const std::string folded = Folded(name);
    for (const NamedValue& value : *values) {
        if (Folded(value.name) == folded) return &value.value;
    }
    return nullptr;
}

std::vector<std::string> Tree::SubKeyNames(std::string_view path) const {
    std::vector<std::string> names;
    const std::string prefix = path.empty() ? std::string() : Folded(path) + kSeparator;
    for (auto key = m_keys.lower_bound(prefix); key != m_keys.end(); ++key) {
        const std::string& folded = key->first;
        if (folded.compare(0, prefix.size(), prefix) != 0) break;
        if (folded.find(kSeparator, prefix.size()) == std::string::npos)
            names.push_back(key->second.path.substr(prefix.size()));
    }
    return names;
}

std::string Tree::Serialize() const {
    std::string text(kHeader);
    text += '\n';
    for (const auto& [folded, key] : m_keys) {
        text += '[' + Escaped(key.path) + "]\n";
        for (const NamedValue& value : key.values) {
            text += '"' + Escaped(value.name) + "\"=" + std::to_string(value.value.type) + ':';
            for (const std::uint8_t byte : value.value.data) AppendHexByte(text, byte);
            text += '\n';
        }
    }
    return text;
}

std::optional<Tree> Tree::Parse(std::string_view text) {
    Tree tree;
    std::string current;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a store always ends a line
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != kHeader) return std::nullopt;
            first = false;
        } else if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const auto path = Unescaped(line.substr(1, line.size() - 2));
            if (!path || !JoinKeyPath({}, *path)) return std::nullopt;
            current = *path;
            tree.Create(current);
        } else if (!line.empty() && line.front() == '"' && !current.empty()) {
            NamedValue value;
            if (!ParseValueLine(line, value)) return std::nullopt;
            tree.SetValue(current, value.name, std::move(value.value));
        } else {
            return std::nullopt;
        }
    }
    if (first) return std::nullopt;
    return tree;
}

std::optional<std::string> JoinKeyPath(const std::string& base, const std::string& relative) {
    std::string joined = base;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find(kSeparator, start);
        if (end == std::string::npos) end = relative.size();
        const std::size_t length = end - start;
        if (length == 0 || length > kLongestKeyName) return std::nullopt;
        if (!joined.empty()) joined += kSeparator;
        joined.append(relative, start, length);
        start = end + 1;
    }
    return joined;
}

}  // namespace platform::registry
