#include "platform/module.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

namespace platform {
namespace {

std::string CurrentDirectory() {
    std::unique_ptr<char, decltype(&std::free)> cwd(getcwd(nullptr, 0), &std::free);
    return cwd ? std::string(cwd.get()) : std::string();
}

std::string ExecutablePath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

bool SameIgnoringCase(const std::string& left, const char* right) {
    return std::equal(left.begin(), left.end(), right,
                      right + std::char_traits<char>::length(right), [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

// The path as the disk stores it. Windows finds each component whatever its letter case; so
// does this stand-in, which answers with the names as their directories store them.
std::optional<std::string> StoredPath(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0) return path;
    const std::size_t cut = path.rfind('/');
    if (cut == std::string::npos || cut + 1 == path.size()) return std::nullopt;
    const auto parent = StoredPath(cut == 0 ? std::string("/") : path.substr(0, cut));
    if (!parent) return std::nullopt;
    const auto close = [](DIR* open) { closedir(open); };
    std::unique_ptr<DIR, decltype(close)> directory(opendir(parent->c_str()), close);
    if (!directory) return std::nullopt;
    const std::string name = path.substr(cut + 1);
    std::optional<std::string> found;
    while (const dirent* entry = readdir(directory.get())) {
        // Among several spellings, the first in byte order, so that the answer is stable.
        if (SameIgnoringCase(name, entry->d_name) && (!found || *found > entry->d_name))
            found = entry->d_name;
    }
    if (!found) return std::nullopt;
    return (*parent == "/" ? std::string() : *parent) + '/' + *found;
}

}  // namespace

std::string ModuleFileName(ModuleInstance instance) {
    Dl_info info{};
    if (dladdr(instance, &info) == 0 || info.dli_fname == nullptr) return {};
    const std::string name = info.dli_fname;
    // The loader reports the main program by the name it was started with, which need not
    // hold a directory at all.
    if (name.find('/') == std::string::npos) return ExecutablePath();
    // A module opened by a relative name was found from the working directory of that moment,
    // which is still the current one while its start-up runs.
    if (name.front() != '/') return CurrentDirectory() + '/' + name;
    return name;
}

std::optional<std::string> OnDiskName(const std::string& path) {
    const auto stored = StoredPath(path);
    if (!stored) return std::nullopt;
    return stored->substr(stored->rfind('/') + 1);
}

Module::Module(const std::string& path) : m_handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

Module::~Module() {
    if (m_handle != nullptr) dlclose(m_handle);
}

void* Module::Symbol(const char* name) const {
    return m_handle != nullptr ? dlsym(m_handle, name) : nullptr;
}

}  // namespace platform
