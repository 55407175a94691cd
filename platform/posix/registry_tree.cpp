#include "platform/posix/registry_tree.h"

#include <algorithm>
#include <cctype>

namespace platform::registry {
namespace {

constexpr char kSeparator = '\\';
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

bool IsStorableName(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::string> JoinKeyPath(const std::string& base, const std::string& relative) {
    std::string joined = base;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find(kSeparator, start);
        if (end == std::string::npos) end = relative.size();
        const std::size_t length = end - start;
        const std::string_view name = std::string_view(relative).substr(start, length);
        if (length == 0 || length > kLongestKeyName || !IsStorableName(name)) return std::nullopt;
        if (!joined.empty()) joined += kSeparator;
        joined += name;
        start = end + 1;
    }
    return joined;
}

}  // namespace platform::registry
