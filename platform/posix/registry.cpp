#include "platform/registry.h"

#include <cerrno>
#include <exception>
#include <system_error>
#include <utility>

#include "platform/posix/registry_failure.h"
#include "platform/posix/registry_file.h"

namespace platform::registry {

// The stand-in opens no handles: a key is its store and its path. Reads see the store as it
// is at that moment, with what this key holds back; writes wait for the close.
struct Key::Impl {
    Impl(StoreFile file, std::string keyPath, bool forWriting,
         std::optional<std::string> below = std::nullopt)
        : store(std::move(file)),
          path(std::move(keyPath)),
          writable(forWriting),
          createdBelow(std::move(below)) {
        held.Create(path);
    }
    // An exception that passes by abandons the key: its writer may not have set all it meant
    // to, so what it set goes nowhere.
    ~Impl() {
        if (std::uncaught_exceptions() > exceptionsAtOpen) return;
        try {
            Close();
        } catch (...) {
        }
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // Makes the key where Create made it, and sets the values held back; false when the key,
    // or the key that Create made it below, is no longer there.
    bool Apply(Tree& tree) const {
        if (createdBelow) {
            if (!tree.Has(*createdBelow)) return Fail(ENOENT);
            tree.Create(path);
        }
        if (!tree.Has(path)) return Fail(ENOENT);
        for (const Tree::NamedValue& value : Held()) tree.SetValue(path, value.name, value.value);
        return true;
    }

    const std::vector<Tree::NamedValue>& Held() const {
        static const std::vector<Tree::NamedValue> kNone;
        const auto* values = held.Values(path);
        return values != nullptr ? *values : kNone;
    }

    std::optional<Tree> View() const {
        auto tree = store.Read().tree;
        if (tree) Apply(*tree);
        return tree;
    }

    // Writes what is held back, in one change of the store, once.
    bool Close() {
        if (std::exchange(closed, true) || (!createdBelow && Held().empty())) return true;
        return store.Update([this](Tree& tree) { return Apply(tree); });
    }

    StoreFile store;
    std::string path;
    bool writable;
    // Set on a key that Create made: the key it was made below, which existed then.
    std::optional<std::string> createdBelow;
    // The values set and not yet written, as a key at `path`.
    Tree held;
    bool closed = false;
    const int exceptionsAtOpen = std::uncaught_exceptions();
};

Key::Key() = default;
Key::~Key() = default;
Key::Key(Key&& other) noexcept = default;
Key& Key::operator=(Key&& other) noexcept = default;
Key::Key(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

Key Key::LocalMachine() {
    auto store = StoreFile::FromEnvironment();
    if (!store) {
        Fail(kStoreRefused);
        return Key();
    }
    if (!store->Read().tree) return Key();
    return Key(std::make_unique<Impl>(std::move(*store), std::string(), false));
}

namespace {

// The key `path` below a key, or nothing when the key did not open (for a reason kept then) or
// the registry cannot hold such a path.
std::optional<std::string> FullPath(const std::unique_ptr<Key::Impl>& key,
                                    const std::string& path) {
    if (!key) return std::nullopt;
    auto full = JoinKeyPath(key->path, path);
    if (!full) Fail(EINVAL);
    return full;
}

}  // namespace

Key Key::Create(const std::string& path) const {
    const auto full = FullPath(m_impl, path);
    const auto tree = full ? m_impl->View() : std::nullopt;
    if (!tree) return Key();
    // Deleted since it was opened.
    if (!tree->Has(m_impl->path)) {
        Fail(ENOENT);
        return Key();
    }
    if (!m_impl->store.WriteProblem().empty()) return Key();
    return Key(std::make_unique<Impl>(m_impl->store, *full, true,
                                      m_impl->createdBelow.value_or(m_impl->path)));
}

Key Key::Open(const std::string& path, Access access) const {
    const auto full = FullPath(m_impl, path);
    const auto tree = full ? m_impl->View() : std::nullopt;
    if (!tree) return Key();
    if (!tree->Has(*full)) {
        Fail(ENOENT);
        return Missing();
    }
    const bool writing = access == Access::Write;
    if (writing && !m_impl->store.WriteProblem().empty()) return Key();
    return Key(std::make_unique<Impl>(m_impl->store, *full, writing));
}

Outcome Key::DeleteSubKey(const std::string& name) const {
    const auto full = FullPath(m_impl, name);
    if (!full) return Outcome::Failed;
    Outcome outcome = Outcome::Failed;
    const bool changed = m_impl->store.Update([&](Tree& tree) {
        if (!tree.Has(*full)) outcome = Outcome::Missing;
        // As a directory that holds others cannot be removed.
        if (!tree.Remove(*full)) return Fail(outcome == Outcome::Missing ? ENOENT : ENOTEMPTY);
        outcome = Outcome::Done;
        return true;
    });
    return changed || outcome == Outcome::Missing ? outcome : Outcome::Failed;
}

bool Key::SetValue(const std::string& name, std::uint32_t type, const void* data,
                   std::size_t size) const {
    if (!m_impl) return false;
    // As a file opened only for reading is not written.
    if (!m_impl->writable) return Fail(EBADF);
    if (size > kLargestStore) return Fail(kStoreTooLarge);
    if (!IsStorableName(name)) return Fail(EINVAL);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return m_impl->held.SetValue(m_impl->path, name,
                                 Value{type, std::vector<std::uint8_t>(bytes, bytes + size)}) ||
           Fail(EINVAL);
}

std::optional<Value> Key::QueryValue(const std::string& name) const {
    const auto tree = m_impl ? m_impl->View() : std::nullopt;
    const Value* value = tree ? tree->FindValue(m_impl->path, name) : nullptr;
    return value ? std::optional<Value>(*value) : std::nullopt;
}

std::vector<std::string> Key::ValueNames() const {
    std::vector<std::string> names;
    const auto tree = m_impl ? m_impl->View() : std::nullopt;
    if (const auto* values = tree ? tree->Values(m_impl->path) : nullptr) {
        for (const auto& value : *values) names.push_back(value.name);
    }
    return names;
}

std::vector<std::string> Key::SubKeyNames() const {
    const auto tree = m_impl ? m_impl->View() : std::nullopt;
    return tree ? tree->SubKeyNames(m_impl->path) : std::vector<std::string>();
}

KeyValues Key::ReadValues(const std::string& path) const {
    const auto full = FullPath(m_impl, path);
    const auto tree = full ? m_impl->View() : std::nullopt;
    if (!tree) return {};
    const auto* values = tree->Values(*full);
    if (values == nullptr) return {Outcome::Missing, {}};
    return {Outcome::Done, *values};
}

bool Key::Close() {
    if (!m_impl) return false;
    const std::unique_ptr<Impl> impl = std::move(m_impl);
    return impl->Close();
}

void Key::Abandon() {
    if (m_impl) m_impl->closed = true;
    m_impl.reset();
}

std::string Problem() {
    const auto store = StoreFile::FromEnvironment();
    if (!store) return "the registry file has no place: neither DD_REGISTRY_FILE nor HOME is set";
    std::string problem = store->Read().problem;
    if (problem.empty()) problem = store->WriteProblem();
    return problem.empty() ? problem : "registry file " + store->path() + ": " + problem;
}

namespace {

// What a key's reason says of the key; null for a reason that is not a key's. The key operations
// above give these, and the store's system calls practically never do.
const char* KeyReason(Reason reason) {
    switch (reason) {
        case ENOENT:
            return "it, or a key above it, is no longer there";
        case ENOTEMPTY:
            return "it has subkeys, so it is not deleted";
        case EINVAL:
            return "its name or a value's name is one the registry cannot hold";
        default:
            return nullptr;
    }
}

}  // namespace

std::string FailureText(Reason reason, const std::string& key) {
    if (reason == 0) return {};
    if (const char* said = KeyReason(reason)) return "key " + key + ": " + said;
    if (reason == ENOMEM) return "memory ran out";
    if (reason == kStartFailed) return "the plug-in did not start when it was loaded";
    const auto store = StoreFile::FromEnvironment();
    if (!store) return Problem();
    // The stand-in's account of the store as it is now names what stands in the way, where it
    // finds the same reason; a refusal is for the store as it is, which a failed change leaves as
    // it was. Another reason, such as a full disk, may have passed: the file's system call had it.
    ForgetFailure();
    const std::string problem = Problem();
    if (!problem.empty() && (KeptFailure() == reason || reason == kStoreRefused)) return problem;
    if (reason == kStoreRefused) return "the registry file was refused as it was then";
    std::string said = std::generic_category().message(reason);
    if (reason == kLockHeld) said = "its lock " + store->LockFile() + " is held by another writer";
    if (reason == kStoreTooLarge)
        said = "the store would grow past " + std::to_string(kLargestStore >> 20) + " MiB";
    return "registry file " + store->path() + ": " + said;
}

}  // namespace platform::registry
