#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/posix/registry_text.h"

namespace platform::registry {

// The largest store that is read or written: far above any real registry of plug-ins, and small
// enough that a wrong file is found out at once.
inline constexpr std::size_t kLargestStore = 4 << 20;

// The file that holds the registry stand-in. Only a regular file is read. Writers take turns
// under a lock on a regular file beside it, waiting a few seconds at most for another, and
// replace the store whole by renaming a complete new one over it, so a reader sees the file
// before or after a change, never a part of one. Where the file is a symbolic link, the link
// stays and its target is replaced, with the target's mode.
class StoreFile {
  public:
    // Where the store lives, from the environment; nothing when no location can be made out.
    static std::optional<StoreFile> FromEnvironment();

    explicit StoreFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // The stored tree, empty when there is no file yet, or why it cannot be read.
    Loaded Read() const;
    // Why a change could not be written now; empty when nothing is known to stand in the way.
    std::string WriteProblem() const;
    // The lock that writers take turns under: the file that writes go to, with ".lock" added;
    // empty when that file cannot be made out.
    std::string LockFile() const;
    // Runs `change` on the current tree while holding the lock, and stores the result when
    // `change` succeeds and altered something. False when `change` fails, the lock cannot be
    // taken or the store cannot be read or written, with the reason kept (Fail). What `change`
    // or the reading throws leaves the store as it was.
    bool Update(const std::function<bool(Tree&)>& change) const;

  private:
    std::string m_path;
};

}  // namespace platform::registry
