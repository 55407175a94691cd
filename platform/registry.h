#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The machine's registry: the system's own on Windows; elsewhere a stand-in kept in one file,
// named by the environment variable DD_REGISTRY_FILE, else $XDG_STATE_HOME/ddplugin/registry,
// else ~/.local/state/ddplugin/registry. Key and value names are 8-bit texts compared without
// regard to letter case; "\" separates the keys of a path.
//
// The stand-in writes when a key is closed: a key made by Create appears then, together with
// every value set under it, in one change of the file. Until then only that key sees them, and
// a key abandoned, by Abandon or by an exception, writes nothing.
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

struct NamedValue {
    std::string name;
    Value value;
};

// A name as the registry compares names: letters in lower case.
inline std::string FoldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return folded;
}

// A key's values as one reading of the registry finds them: Done with the values in the
// system's order, Missing when the key is not there, Failed when it cannot be read.
struct KeyValues {
    Outcome outcome = Outcome::Failed;
    std::vector<NamedValue> values;

    // The value of that name, or null.
    const Value* Find(std::string_view name) const {
        const std::string folded = FoldedName(name);
        for (const NamedValue& value : values) {
            if (FoldedName(value.name) == folded) return &value.value;
        }
        return nullptr;
    }
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
    // The key `path` below this key with its values, from one reading of the registry.
    KeyValues ReadValues(const std::string& path) const;

    // Closes the key now; false when it was not open or what it held back could not be
    // written. Memory running out before anything is written throws std::bad_alloc.
    bool Close();
    // Closes the key without writing what it held back, for a writer that could not set all it
    // meant to; the reason that failure kept stays. On Windows what was set is there already.
    void Abandon();

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

// Each thread keeps the reason its last registry operation failed until an export hands it to
// its caller the way the platform hands on a call's reason. Elsewhere that is errno, apart from
// which the reason is kept, as the cleaning up after a failure may change errno. On Windows it
// is the thread's last error (SetLastError), where the reason is kept from the start: nothing
// that runs after a failure changes it there.

// A reason as the platform hands it on: a system error code on Windows, an errno value or one
// of the stand-in's own elsewhere; 0 for none.
#if defined(_WIN32)
using Reason = unsigned long;
#else
using Reason = int;
#endif

// Forgets the reason kept: an export's first step.
void ForgetFailure();
// Keeps running out of memory as the reason.
void FailForLackOfMemory();
// Keeps a module start that failed otherwise than for want of memory as the reason.
void FailForFailedStart();
// Hands the reason kept on as the system's last error; none (0) when nothing failed.
void PassOnFailure();
// The reason an export handed on, for a host to read first thing after the call.
Reason LastFailure();
// `reason` as one line for a host to show; empty for none. A key's reason names `key`, the key
// the call worked on as the host shows it; the stand-in's reasons of its file name the file.
std::string FailureText(Reason reason, const std::string& key);

}  // namespace platform::registry
