#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The machine's registry: the system's own on Windows; elsewhere a store in one file, named by
// the environment variable DD_REGISTRY_FILE, else $XDG_STATE_HOME/ddplugin/registry, else
// ~/.local/state/ddplugin/registry. Key and value names are 8-bit texts compared without
// regard to letter case; "\" separates the keys of a path.
namespace platform::registry {

// Value types, with the system's numbers.
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kDWord = 4;

enum class Access { Read, Write };

struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;

    friend bool operator==(const Value&, const Value&) = default;
};

// An open key, closed when the object goes. A key that failed to open is not open, and every
// operation on it fails.
class Key {
  public:
    Key();
    ~Key();
    Key(Key&& other) noexcept;
    Key& operator=(Key&& other) noexcept;

    // The machine-wide hive (HKEY_LOCAL_MACHINE) of this machine.
    static Key LocalMachine();

    bool IsOpen() const { return m_impl != nullptr; }

    // `path` below this key for writing; the keys missing along the path are created.
    Key Create(const std::string& path) const;
    // `path` below this key, which must exist.
    Key Open(const std::string& path, Access access) const;
    // Deletes the subkey `name` of this key; a key that has subkeys of its own stays.
    bool DeleteSubKey(const std::string& name) const;

    bool SetValue(const std::string& name, std::uint32_t type, const void* data,
                  std::size_t size) const;
    std::optional<Value> QueryValue(const std::string& name) const;
    // Names in the order the system enumerates them.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubKeyNames() const;

    struct Impl;

  private:
    explicit Key(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> m_impl;
};

}  // namespace platform::registry
