#include "platform/posix/registry_tree.h"

#include <algorithm>

namespace platform::registry {
namespace {

constexpr char kSeparator = '\\';
// The system's limit for one key name.
constexpr std::size_t kLongestKeyName = 255;
constexpr std::size_t kHive = 0;

// Calls `step` with each component of a path that is not the hive's, in order, until it
// answers false; whether every call answered true.
template <typename Step>
bool EachComponent(std::string_view path, Step step) {
    if (path.empty()) return true;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(path.find(kSeparator, start), path.size());
        if (!step(path.substr(start, end - start))) return false;
        if (end == path.size()) return true;
        start = end + 1;
    }
}

}  // namespace

Tree::Tree() : m_nodes(1) {}

std::optional<std::size_t> Tree::Find(std::string_view path) const {
    std::size_t node = kHive;
    const bool found = EachComponent(path, [&](std::string_view name) {
        const auto subKey = m_subKeys.find({node, FoldedName(name)});
        if (subKey == m_subKeys.end()) return false;
        node = subKey->second;
        return true;
    });
    return found ? std::optional<std::size_t>(node) : std::nullopt;
}

std::pair<Tree::Index::const_iterator, Tree::Index::const_iterator> Tree::SubKeys(
    std::size_t node) const {
    return {m_subKeys.lower_bound({node, {}}), m_subKeys.lower_bound({node + 1, {}})};
}

template <typename List, typename Make>
std::pair<std::size_t, bool> Tree::FindOrAppend(Index& index, Index::key_type key, List& list,
                                                Make make) {
    if (const auto found = index.find(key); found != index.end()) return {found->second, false};
    list.push_back(make());
    try {
        index.emplace(std::move(key), list.size() - 1);
    } catch (...) {
        list.pop_back();
        throw;
    }
    return {list.size() - 1, true};
}

bool Tree::Has(std::string_view path) const { return Find(path).has_value(); }

void Tree::Create(std::string_view path) {
    std::size_t node = kHive;
    EachComponent(path, [&](std::string_view name) {
        node = FindOrAppend(m_subKeys, {node, FoldedName(name)}, m_nodes, [name] {
                   return Node{std::string(name), {}};
               }).first;
        return true;
    });
}

bool Tree::Remove(std::string_view path) {
    const std::size_t cut = path.rfind(kSeparator);
    const auto parent =
        Find(cut == std::string_view::npos ? std::string_view() : path.substr(0, cut));
    const auto node = path.empty() ? std::nullopt : Find(path);
    if (!parent || !node) return false;
    const auto [first, last] = SubKeys(*node);
    if (first != last) return false;
    Node& removed = m_nodes[*node];
    for (const NamedValue& value : removed.values) m_values.erase({*node, FoldedName(value.name)});
    m_subKeys.erase({*parent, FoldedName(removed.name)});
    removed = Node();
    return true;
}

bool Tree::SetValue(std::string_view path, const std::string& name, Value value) {
    const auto node = Find(path);
    if (!node || *node == kHive) return false;
    std::vector<NamedValue>& values = m_nodes[*node].values;
    const auto [at, added] = FindOrAppend(m_values, {*node, FoldedName(name)}, values, [&] {
        return NamedValue{name, std::move(value)};
    });
    if (!added) values[at].value = std::move(value);
    return true;
}

const std::vector<Tree::NamedValue>* Tree::Values(std::string_view path) const {
    const auto node = Find(path);
    return node ? &m_nodes[*node].values : nullptr;
}

const Value* Tree::FindValue(std::string_view path, std::string_view name) const {
    const auto node = Find(path);
    const auto at = node ? m_values.find({*node, FoldedName(name)}) : m_values.end();
    return at != m_values.end() ? &m_nodes[*node].values[at->second].value : nullptr;
}

std::vector<std::string> Tree::SubKeyNames(std::string_view path) const {
    std::vector<std::string> names;
    if (const auto node = Find(path)) {
        const auto [first, last] = SubKeys(*node);
        for (auto subKey = first; subKey != last; ++subKey)
            names.push_back(m_nodes[subKey->second].name);
    }
    return names;
}

void Tree::Walk(const Visit& visit) const {
    // Each level still to visit: its next subkey, its end, and the length of its key's path.
    struct Level {
        Index::const_iterator next;
        Index::const_iterator end;
        std::size_t length;
    };
    std::vector<Level> levels;
    const auto [first, last] = SubKeys(kHive);
    levels.push_back({first, last, 0});
    std::string path;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.end) {
            levels.pop_back();
            continue;
        }
        const std::size_t node = (level.next++)->second;
        path.resize(level.length);
        if (!path.empty()) path += kSeparator;
        path += m_nodes[node].name;
        const auto [subFirst, subLast] = SubKeys(node);
        visit(path, m_nodes[node].values, subFirst != subLast);
        levels.push_back({subFirst, subLast, path.size()});
    }
}

bool IsStorableName(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos;
}

bool IsTooDeep(std::string_view path) {
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), kSeparator)) >=
           kDeepestKey;
}

std::optional<std::string> JoinKeyPath(const std::string& base, const std::string& relative) {
    if (relative.empty()) return std::nullopt;
    std::string joined = base;
    const bool storable = EachComponent(relative, [&](std::string_view name) {
        if (name.empty() || name.size() > kLongestKeyName || !IsStorableName(name)) return false;
        if (!joined.empty()) joined += kSeparator;
        joined += name;
        return true;
    });
    if (!storable || IsTooDeep(joined)) return std::nullopt;
    return joined;
}

}  // namespace platform::registry
