#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The machine's registry: the system's own on Windows; elsewhere a stand-in kept in one file,
// named by the environment variable DD_REGISTRY_FILE, else $XDG_STATE_HOME/ddplugin/registry,
// else ~/.local/state/ddplugin/registry. Key and value names are 8-bit texts compared without
// regard to letter case; "\" separates the keys of a path.
//
// The stand-in writes when a key is closed: a key made by Create appears then, together with
// every value set under it, in one change of the file. Until then only that key sees them.
namespace platform::registry {

// Value types, with the system's numbers.
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDWord = 4;

enum class Access { Read, Write };

// What an operation on a named key came to: done, not done because the key is not there, or
// failed for another reason.
enum class Outcome { Done, Missing, Failed };

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
    // A key that did not open only because it is not there.
    bool IsMissing() const { return m_missing; }

    // `path` below this key for writing; the keys missing along the path are created.
    Key Create(const std::string& path) const;
    // `path` below this key, which must exist.
    Key Open(const std::string& path, Access access) const;
    // Deletes the subkey `name` of this key; a key that has subkeys of its own stays.
    Outcome DeleteSubKey(const std::string& name) const;

    bool SetValue(const std::string& name, std::uint32_t type, const void* data,
                  std::size_t size) const;
    std::optional<Value> QueryValue(const std::string& name) const;
    // Names in the order the system enumerates them.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubKeyNames() const;

    // Closes the key now; false when it was not open or what it held back could not be
    // written.
    bool Close() noexcept;

    struct Impl;

  private:
    explicit Key(std::unique_ptr<Impl> impl);
    static Key Missing() {
        Key key;
        key.m_missing = true;
        return key;
    }

    std::unique_ptr<Impl> m_impl;
    bool m_missing = false;
};

// Why the registry cannot be read or written, in one line; empty when nothing is known to
// stand in the way. Only the stand-in has such reasons to give.
std::string Problem();

}  // namespace platform::registry
