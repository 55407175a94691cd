#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform::registry {

// The keys and values of the registry stand-in, held in memory. A key is named by its full
// path below the hive, components joined by "\"; the hive itself is the empty path.
class Tree {
  public:
    struct NamedValue {
        std::string name;
        Value value;
    };
    struct StoredKey {
        std::string path;
        std::vector<NamedValue> values;
    };

    bool Has(std::string_view path) const;
    // Creates the key and every key missing above it, each spelt as in `path`.
    void Create(std::string_view path);
    // Removes a key that has no subkeys; the hive stays.
    bool Remove(std::string_view path);
    // Adds the value or replaces the one of that name in place.
    bool SetValue(std::string_view path, const std::string& name, Value value);
    const std::vector<NamedValue>* Values(std::string_view path) const;
    const Value* FindValue(std::string_view path, std::string_view name) const;
    // Names of the direct subkeys, in the order of their case-folded names.
    std::vector<std::string> SubKeyNames(std::string_view path) const;

    // Every key by its case-folded path, so that a key comes before its subkeys.
    const std::map<std::string, StoredKey>& keys() const { return m_keys; }

  private:
    std::map<std::string, StoredKey> m_keys;
};

// Whether the store's text can hold the name: it has no line break.
bool IsStorableName(std::string_view name);

// `relative` below `base`, or nothing when `relative` has an empty, overlong or unstorable
// component.
std::optional<std::string> JoinKeyPath(const std::string& base, const std::string& relative);

}  // namespace platform::registry
