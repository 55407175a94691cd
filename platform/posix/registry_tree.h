#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace platform::registry {

// The most levels a key may lie below the hive, as on Windows.
inline constexpr std::size_t kDeepestKey = 512;

// The keys and values of the registry stand-in, held in memory. A key is named by its full
// path below the hive, components joined by "\"; the hive itself is the empty path. Each key
// holds its own name only, so a tree takes memory in proportion to what it holds however deep
// its keys lie, and no operation recurses per level.
class Tree {
  public:
    using NamedValue = platform::registry::NamedValue;
    // Called with each key's path, its values and whether it has subkeys.
    using Visit = std::function<void(const std::string& path, const std::vector<NamedValue>& values,
                                     bool hasSubKeys)>;

    Tree();

    bool Has(std::string_view path) const;
    // Creates the key and every key missing above it, each spelt as in `path`.
    void Create(std::string_view path);
    // Removes a key that has no subkeys; the hive stays.
    bool Remove(std::string_view path);
    // Adds the value or replaces the one of that name in place; the hive holds none.
    bool SetValue(std::string_view path, const std::string& name, Value value);
    const std::vector<NamedValue>* Values(std::string_view path) const;
    const Value* FindValue(std::string_view path, std::string_view name) const;
    // Names of the direct subkeys, in the order of their case-folded names.
    std::vector<std::string> SubKeyNames(std::string_view path) const;

    // Every key below the hive, each before its subkeys, which follow in the order of their
    // case-folded names.
    void Walk(const Visit& visit) const;

  private:
    struct Node {
        std::string name;
        std::vector<NamedValue> values;
    };
    // A key's subkeys, or its values, by the key's node and the case-folded name.
    using Index = std::map<std::pair<std::size_t, std::string>, std::size_t>;

    // Where `index` places `key` in `list`, or a new entry that `make` makes at its end; whether
    // it is new. An entry that cannot be indexed goes again.
    template <typename List, typename Make>
    static std::pair<std::size_t, bool> FindOrAppend(Index& index, Index::key_type key, List& list,
                                                     Make make);
    std::optional<std::size_t> Find(std::string_view path) const;
    std::pair<Index::const_iterator, Index::const_iterator> SubKeys(std::size_t node) const;

    // The hive first; a removed key's node stays, unreachable and empty.
    std::deque<Node> m_nodes;
    Index m_subKeys;
    // Where in its key's list each value is.
    Index m_values;
};

// Whether the store's text can hold the name: it has no line break.
bool IsStorableName(std::string_view name);

// Whether a key at `path` would lie deeper than a key may.
bool IsTooDeep(std::string_view path);

// `relative` below `base`, or nothing when `relative` has an empty, overlong or unstorable
// component or the key would lie too deep.
std::optional<std::string> JoinKeyPath(const std::string& base, const std::string& relative);

}  // namespace platform::registry
