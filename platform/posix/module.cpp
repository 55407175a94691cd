#include "platform/module.h"

#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>
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

// Where the symbolic link `path` leads; nothing when it is no link.
std::optional<std::string> LinkTarget(const std::string& path) {
    std::vector<char> target(PATH_MAX);
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
    return std::string(target.data(), static_cast<std::size_t>(length));
}

// Walks the components of `path` onto `normal`, an absolute path without a trailing separator
// ("" for the root): a separator repeated and "." add nothing, ".." steps back over the last
// component. Where that component is a symbolic link, stepping back from it is stepping back
// from where it leads, as the system does when it opens the path; so that link is followed
// first. Other links stay as they are. `links` counts the links followed, against a cycle.
void Walk(std::string& normal, std::string_view path, int& links) {
    constexpr int kMaxLinks = 40;
    if (path.starts_with('/')) normal.clear();
    std::size_t position = 0;
    while (position <= path.size()) {
        std::size_t end = path.find('/', position);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view component = path.substr(position, end - position);
        position = end + 1;
        if (component.empty() || component == ".") continue;
        if (component != "..") {
            normal += '/';
            normal += component;
            continue;
        }
        if (normal.empty()) continue;
        const auto target = links < kMaxLinks ? LinkTarget(normal) : std::nullopt;
        normal.erase(normal.rfind('/'));
        if (target) {
            ++links;
            Walk(normal, *target, links);
            Walk(normal, "..", links);
        }
    }
}

// The absolute form of a path that the system would open from the current directory, without
// "." or ".." components or repeated separators; the Windows loader reports its modules so.
std::string AbsoluteNormalPath(const std::string& path) {
    std::string normal;
    int links = 0;
    if (!path.starts_with('/')) {
        const std::string directory = CurrentDirectory();
        // Without the working directory the name is as good as it gets.
        if (directory.empty()) return path;
        Walk(normal, directory, links);
    }
    Walk(normal, path, links);
    return normal.empty() ? "/" : normal;
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
    link_map* module = nullptr;
    if (dladdr1(instance, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) == 0 ||
        module == nullptr || module->l_name == nullptr)
        return {};
    // The main program's entry has no name; the system keeps its file's.
    if (module->l_name[0] == '\0') return ExecutablePath();
    // Any other module has the name it was opened by, or the entry of the library search path
    // it was found in joined to that name. A relative one was found from the working
    // directory of that moment, which is still the current one while the module starts.
    return AbsoluteNormalPath(module->l_name);
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
