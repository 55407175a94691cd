#include "platform/registry.h"

#include "platform/posix/registry_file.h"

namespace platform::registry {

// The stand-in opens no handles: a key is its store and its path, and every operation reads
// or changes the store as it is at that moment.
struct Key::Impl {
    StoreFile store;
    std::string path;
};

Key::Key() = default;
Key::~Key() = default;
Key::Key(Key&& other) noexcept = default;
Key& Key::operator=(Key&& other) noexcept = default;
Key::Key(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Key Key::LocalMachine() {
    auto store = StoreFile::FromEnvironment();
    if (!store || !store->Read()) return Key();
    return Key(std::make_unique<Impl>(Impl{*store, std::string()}));
}

Key Key::Create(const std::string& path) const {
    const auto full = m_impl ? JoinKeyPath(m_impl->path, path) : std::nullopt;
    const bool created = full && m_impl->store.Update([&](Tree& tree) {
        if (!tree.Has(m_impl->path)) return false;
        tree.Create(*full);
        return true;
    });
    return created ? Key(std::make_unique<Impl>(Impl{m_impl->store, *full})) : Key();
}

Key Key::Open(const std::string& path, Access) const {
    const auto full = m_impl ? JoinKeyPath(m_impl->path, path) : std::nullopt;
    if (!full) return Key();
    const auto tree = m_impl->store.Read();
    if (!tree || !tree->Has(*full)) return Key();
    return Key(std::make_unique<Impl>(Impl{m_impl->store, *full}));
}

bool Key::DeleteSubKey(const std::string& name) const {
    const auto full = m_impl ? JoinKeyPath(m_impl->path, name) : std::nullopt;
    return full && m_impl->store.Update([&](Tree& tree) { return tree.Remove(*full); });
}

bool Key::SetValue(const std::string& name, std::uint32_t type, const void* data,
                   std::size_t size) const {
    if (!m_impl) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    Value value{type, std::vector<std::uint8_t>(bytes, bytes + size)};
    return m_impl->store.Update(
        [&](Tree& tree) { return tree.SetValue(m_impl->path, name, std::move(value)); });
}

std::optional<Value> Key::QueryValue(const std::string& name) const {
    const auto tree = m_impl ? m_impl->store.Read() : std::nullopt;
    const Value* value = tree ? tree->FindValue(m_impl->path, name) : nullptr;
    return value ? std::optional<Value>(*value) : std::nullopt;
}

std::vector<std::string> Key::ValueNames() const {
    std::vector<std::string> names;
    const auto tree = m_impl ? m_impl->store.Read() : std::nullopt;
    if (const auto* values = tree ? tree->Values(m_impl->path) : nullptr) {
        for (const auto& value : *values) names.push_back(value.name);
    }
    return names;
}

std::vector<std::string> Key::SubKeyNames() const {
    const auto tree = m_impl ? m_impl->store.Read() : std::nullopt;
    return tree ? tree->SubKeyNames(m_impl->path) : std::vector<std::string>();
}

}  // namespace platform::registry
