#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/posix/registry_tree.h"

namespace platform::registry {

// The file that holds the registry stand-in. Writers take turns under a lock on a file beside
// it and replace the file whole by renaming a complete new one over it, so a reader sees the
// file before or after a change, never a part of one.
class StoreFile {
  public:
    // Where the store lives, from the environment; nothing when no location can be made out.
    static std::optional<StoreFile> FromEnvironment();

    explicit StoreFile(std::string path) : m_path(std::move(path)) {}

    // The stored tree; empty when there is no file yet; nothing when it cannot be read or is
    // not a store.
    std::optional<Tree> Read() const;
    // Runs `change` on the current tree while holding the lock, and stores the result when
    // `change` succeeds and altered something. False when `change` fails or the store cannot
    // be read or written.
    bool Update(const std::function<bool(Tree&)>& change) const;

  private:
    std::string m_path;
};

}  // namespace platform::registry
