#include "platform/posix/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform::registry {
namespace {

// Closes a file descriptor when it goes, which also releases a lock held through it.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

  private:
    int m_fd;
};

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool MakeDirectories(const std::string& path) {
    for (std::size_t cut = path.find('/', 1);; cut = path.find('/', cut + 1)) {
        const std::string prefix = path.substr(0, cut);
        if (mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
        if (cut == std::string::npos) return true;
    }
}

std::string Directory(const std::string& path) {
    const std::size_t cut = path.rfind('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? std::string("/") : path.substr(0, cut);
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::optional<std::string> ReadAll(const std::string& path) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
    std::string text;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        const ssize_t got = read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return text;
        text.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

// Writes a complete new file beside the store and renames it over the store.
bool Replace(const std::string& path, const std::string& text) {
    std::string temporary = path + ".XXXXXX";
    Descriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) return false;
    const bool written = WriteAll(file.get(), text) && fsync(file.get()) == 0 &&
                         close(file.release()) == 0 && rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself lasts once the directory has reached the disk.
    Descriptor directory(open(Directory(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) fsync(directory.get());
    return true;
}

}  // namespace

std::optional<StoreFile> StoreFile::FromEnvironment() {
    if (const std::string file = Environment("DD_REGISTRY_FILE"); !file.empty())
        return StoreFile(file);
    std::string state = Environment("XDG_STATE_HOME");
    if (state.empty() || state.front() != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) return std::nullopt;
        state = home + "/.local/state";
    }
    return StoreFile(state + "/ddplugin/registry");
}

std::optional<Tree> StoreFile::Read() const {
    const auto text = ReadAll(m_path);
    if (!text) return std::nullopt;
    if (text->empty()) return Tree();
    return Tree::Parse(*text);
}

bool StoreFile::Update(const std::function<bool(Tree&)>& change) const {
    if (!MakeDirectories(Directory(m_path))) return false;
    const std::string lockPath = m_path + ".lock";
    Descriptor lock(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.get() < 0) return false;
    while (flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }
    auto tree = Read();
    if (!tree) return false;
    const std::string before = tree->Serialize();
    if (!change(*tree)) return false;
    const std::string after = tree->Serialize();
    return after == before || Replace(m_path, after);
}

}  // namespace platform::registry
