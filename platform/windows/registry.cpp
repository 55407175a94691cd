#include "platform/registry.h"

#include <windows.h>

#include <string>
#include <utility>

namespace platform::registry {
namespace {

// The status of a registry call, kept as the thread's last error when it failed. What runs after
// a failure leaves it there: closing keys and freeing memory do not change it when they succeed,
// and nothing is thrown then, as the process's first exception sets it to 0 while the runtime
// sets itself up. Thread-local storage, which this toolchain emulates, would need memory of its
// own on a thread's first failure.
LONG Kept(LONG status) {
    if (status != ERROR_SUCCESS) SetLastError(static_cast<DWORD>(status));
    return status;
}

}  // namespace

// Made before the system opens the key, so that no handle is left open when making it fails.
struct Key::Impl {
    Impl() = default;
    ~Impl() { Close(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    bool Close() noexcept {
        return handle == nullptr ||
               Kept(RegCloseKey(std::exchange(handle, nullptr))) == ERROR_SUCCESS;
    }

    // The key that `open` fills in the handle of, or why there is none.
    template <typename Open>
    static Key Opened(Open open) {
        auto impl = std::make_unique<Impl>();
        const LONG status = Kept(open(impl->handle));
        if (status == ERROR_FILE_NOT_FOUND) return Missing();
        return status == ERROR_SUCCESS ? Key(std::move(impl)) : Key();
    }

    HKEY handle = nullptr;
};

namespace {

// The system's rights for each kind of use.
REGSAM Rights(Access access) { return access == Access::Write ? KEY_WRITE : KEY_READ; }

// The longest key or value name the system allows, terminator included.
constexpr DWORD kNameCapacity = 16384;

// The names that `enumerate` (index, buffer, length) gives, in the system's order, until it
// fails.
template <class Enumerate>
std::vector<std::string> EnumeratedNames(Enumerate enumerate) {
    std::vector<std::string> names;
    std::string name(kNameCapacity, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kNameCapacity;
        if (enumerate(index, name.data(), &length) != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

}  // namespace

Key::Key() = default;
Key::~Key() = default;
Key::Key(Key&& other) noexcept = default;
Key& Key::operator=(Key&& other) noexcept = default;
Key::Key(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Key Key::LocalMachine() {
    return Impl::Opened(
        [](HKEY& root) { return RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, &root); });
}

Key Key::Create(const std::string& path) const {
    if (!m_impl) return Key();
    return Impl::Opened([&](HKEY& created) {
        return RegCreateKeyExA(m_impl->handle, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                               &created, nullptr);
    });
}

Key Key::Open(const std::string& path, Access access) const {
    if (!m_impl) return Key();
    return Impl::Opened([&](HKEY& opened) {
        return RegOpenKeyExA(m_impl->handle, path.c_str(), 0, Rights(access), &opened);
    });
}

Outcome Key::DeleteSubKey(const std::string& name) const {
    const LONG status =
        Kept(m_impl ? RegDeleteKeyA(m_impl->handle, name.c_str()) : ERROR_INVALID_HANDLE);
    if (status == ERROR_FILE_NOT_FOUND) return Outcome::Missing;
    return status == ERROR_SUCCESS ? Outcome::Done : Outcome::Failed;
}

bool Key::SetValue(const std::string& name, std::uint32_t type, const void* data,
                   std::size_t size) const {
    return m_impl && Kept(RegSetValueExA(m_impl->handle, name.c_str(), 0, type,
                                         static_cast<const BYTE*>(data),
                                         static_cast<DWORD>(size))) == ERROR_SUCCESS;
}

std::optional<Value> Key::QueryValue(const std::string& name) const {
    if (!m_impl) return std::nullopt;
    Value value;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(m_impl->handle, name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(m_impl->handle, name.c_str(), nullptr, &type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    value.type = type;
    return value;
}

std::vector<std::string> Key::ValueNames() const {
    if (!m_impl) return {};
    return EnumeratedNames([this](DWORD index, char* name, DWORD* length) {
        return RegEnumValueA(m_impl->handle, index, name, length, nullptr, nullptr, nullptr,
                             nullptr);
    });
}

std::vector<std::string> Key::SubKeyNames() const {
    if (!m_impl) return {};
    return EnumeratedNames([this](DWORD index, char* name, DWORD* length) {
        return RegEnumKeyExA(m_impl->handle, index, name, length, nullptr, nullptr, nullptr,
                             nullptr);
    });
}

KeyValues Key::ReadValues(const std::string& path) const {
    const Key key = Open(path, Access::Read);
    if (!key.IsOpen()) return {key.IsMissing() ? Outcome::Missing : Outcome::Failed, {}};
    KeyValues read{Outcome::Done, {}};
    for (std::string& name : key.ValueNames()) {
        if (auto value = key.QueryValue(name)) read.values.push_back({std::move(name), *value});
    }
    return read;
}

bool Key::Close() {
    if (!m_impl) return false;
    const bool closed = m_impl->Close();
    m_impl.reset();
    return closed;
}

// Closing a key that is open does not fail; were it to, the reason kept first stays.
void Key::Abandon() {
    if (m_impl) RegCloseKey(std::exchange(m_impl->handle, nullptr));
    m_impl.reset();
}

// The system keeps its reasons to itself; the statuses of the calls are all there is.
std::string Problem() { return {}; }

void ForgetFailure() { SetLastError(ERROR_SUCCESS); }

void FailForLackOfMemory() { SetLastError(ERROR_OUTOFMEMORY); }

void FailForFailedStart() { SetLastError(ERROR_DLL_INIT_FAILED); }

// The reason is kept where it is handed on.
void PassOnFailure() {}

Reason LastFailure() { return GetLastError(); }

// In the system's own words, which say what failed without the key.
std::string FailureText(Reason reason, const std::string&) {
    if (reason == ERROR_SUCCESS) return {};
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, reason, 0, text, sizeof text, nullptr);
    // The system ends its texts with a line end.
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n')) --length;
    const std::string code = "system error " + std::to_string(reason);
    return length > 0 ? std::string(text, length) + " (" + code + ")" : code;
}

}  // namespace platform::registry
