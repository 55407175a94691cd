#include "platform/registry.h"

#include <windows.h>

namespace platform::registry {

struct Key::Impl {
    explicit Impl(HKEY key) : handle(key) {}
    ~Impl() { RegCloseKey(handle); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    HKEY handle;
};

namespace {

// The system's rights for each kind of use.
REGSAM Rights(Access access) { return access == Access::Write ? KEY_WRITE : KEY_READ; }

// The longest key or value name the system allows, terminator included.
constexpr DWORD kNameCapacity = 16384;

}  // namespace

Key::Key() = default;
Key::~Key() = default;
Key::Key(Key&& other) noexcept = default;
Key& Key::operator=(Key&& other) noexcept = default;
Key::Key(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Key Key::LocalMachine() {
    HKEY root = nullptr;
    if (RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, &root) != ERROR_SUCCESS) return Key();
    return Key(std::make_unique<Impl>(root));
}

Key Key::Create(const std::string& path) const {
    HKEY created = nullptr;
    if (!m_impl || RegCreateKeyExA(m_impl->handle, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                   &created, nullptr) != ERROR_SUCCESS)
        return Key();
    return Key(std::make_unique<Impl>(created));
}

Key Key::Open(const std::string& path, Access access) const {
    HKEY opened = nullptr;
    if (!m_impl ||
        RegOpenKeyExA(m_impl->handle, path.c_str(), 0, Rights(access), &opened) != ERROR_SUCCESS)
        return Key();
    return Key(std::make_unique<Impl>(opened));
}

bool Key::DeleteSubKey(const std::string& name) const {
    return m_impl && RegDeleteKeyA(m_impl->handle, name.c_str()) == ERROR_SUCCESS;
}

bool Key::SetValue(const std::string& name, std::uint32_t type, const void* data,
                   std::size_t size) const {
    return m_impl &&
           RegSetValueExA(m_impl->handle, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
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
    std::vector<std::string> names;
    std::string name(kNameCapacity, '\0');
    for (DWORD index = 0; m_impl; ++index) {
        DWORD length = kNameCapacity;
        if (RegEnumValueA(m_impl->handle, index, name.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::vector<std::string> Key::SubKeyNames() const {
    std::vector<std::string> names;
    std::string name(kNameCapacity, '\0');
    for (DWORD index = 0; m_impl; ++index) {
        DWORD length = kNameCapacity;
        if (RegEnumKeyExA(m_impl->handle, index, name.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name.data(), length);
    }
    return names;
}

}  // namespace platform::registry
