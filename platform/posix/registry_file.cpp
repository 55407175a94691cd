#include "platform/posix/registry_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/posix/registry_failure.h"

namespace platform::registry {
namespace {

// How many symbolic links are followed from the store's name to the file.
constexpr int kMostLinks = 40;
// How long a writer waits for another to finish: far longer than any change takes.
constexpr auto kLockWait = std::chrono::seconds(5);
// The longest pause between two tries to take the lock.
constexpr auto kLongestPause = std::chrono::milliseconds(10);

// Closes a file descriptor when it goes, which also releases a lock held through it.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

  private:
    int m_fd;
};

std::string SystemError(int error = errno) { return std::generic_category().message(error); }

// Keeps `reason` as the failure and answers `problem`, which says it in words.
std::string Refuse(int reason, std::string problem) {
    Fail(reason);
    return problem;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool MakeDirectories(const std::string& path) {
    for (std::size_t cut = path.find('/', 1);; cut = path.find('/', cut + 1)) {
        const std::string prefix = path.substr(0, cut);
        if (mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return Fail(errno);
        if (cut == std::string::npos) return true;
    }
}

// Whether the path can only name a directory: its last component is empty, "." or "..".
bool NamesDirectory(const std::string& path) {
    const std::string_view last = std::string_view(path).substr(path.rfind('/') + 1);
    return last.empty() || last == "." || last == "..";
}

std::string Directory(const std::string& path) {
    const std::size_t cut = path.rfind('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? std::string("/") : path.substr(0, cut);
}

// Why a file that is not a regular one is refused.
std::string NotRegular(mode_t mode) {
    const char* kind = "a special file";
    if (S_ISLNK(mode))
        kind = "a symbolic link";
    else if (S_ISDIR(mode))
        kind = "a directory";
    else if (S_ISFIFO(mode))
        kind = "a FIFO";
    else if (S_ISCHR(mode))
        kind = "a character device";
    else if (S_ISBLK(mode))
        kind = "a block device";
    else if (S_ISSOCK(mode))
        kind = "a socket";
    return std::string("not a regular file but ") + kind;
}

// The file that writes go to: `path` with symbolic links followed to their end, where the
// file need not exist yet. A path that can only name a directory is refused before anything is
// made there.
std::optional<std::string> WriteTarget(std::string path, std::string& problem) {
    std::vector<char> target(PATH_MAX);
    for (int links = 0; links <= kMostLinks; ++links) {
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0 && (errno == EINVAL || errno == ENOENT)) {
            if (!NamesDirectory(path)) return path;
            problem = Refuse(EISDIR, SystemError(EISDIR));
            return std::nullopt;
        }
        if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
            const int error = length < 0 ? errno : ENAMETOOLONG;
            problem = Refuse(error, SystemError(error));
            return std::nullopt;
        }
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : Directory(path) + '/' + next;
    }
    problem = Refuse(ELOOP, SystemError(ELOOP));
    return std::nullopt;
}

// Why this user may not change the file; empty when nothing stands in the way. Root may write any
// file, but one that grants no one the right to write is taken as meant to stay as it is.
std::string WriteRefusal(const std::string& path, const struct stat& status) {
    const int denied = faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
    // Such as a read-only file system.
    if (denied != 0 && denied != EACCES) return Refuse(denied, SystemError(denied));
    if (denied == EACCES || (status.st_mode & 0222) == 0)
        return Refuse(kStoreRefused, "read-only for this user");
    return {};
}

// The store cannot be read, for `reason`, which `problem` says in words.
Loaded Unreadable(int reason, std::string problem) {
    return {std::nullopt, Refuse(reason, std::move(problem))};
}

Loaded ReadFile(const std::string& path) {
    if (NamesDirectory(path)) return Unreadable(EISDIR, SystemError(EISDIR));
    // Not blocking, so that a FIFO is found out instead of waited on.
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT) return {Tree(), {}};
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0) return Unreadable(errno, SystemError());
    if (!S_ISREG(status.st_mode)) return Unreadable(kStoreRefused, NotRegular(status.st_mode));
    const std::string tooLarge = "larger than the " + std::to_string(kLargestStore >> 20) +
                                 " MiB that a registry file may hold";
    if (static_cast<std::uintmax_t>(status.st_size) > kLargestStore)
        return Unreadable(kStoreRefused, tooLarge);
    // Room for one byte more than the file holds shows a file that grew meanwhile.
    std::string text(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == text.size() && size <= kLargestStore)
            text.resize(std::min(2 * size, kLargestStore + 1));
        if (size == text.size()) break;
        const ssize_t got = read(file.get(), text.data() + size, text.size() - size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Unreadable(errno, SystemError());
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
    }
    if (size > kLargestStore) return Unreadable(kStoreRefused, tooLarge);
    text.resize(size);
    Loaded loaded = ParseStoreText(text);
    if (!loaded.tree) Fail(kStoreRefused);
    return loaded;
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

// Gives the new file the owner and mode of the one it replaces. Only root, or the owner,
// may keep the owner; anyone else who may write the file becomes the owner of the new one.
bool TakeOver(int fd, const struct stat& old) {
    if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
        fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return false;
    return fchmod(fd, old.st_mode & 07777) == 0;
}

// The new file is written under this name beside the store, then renamed over the store. Only
// the holder of the lock uses it, so one that is there when the lock is taken was left by a
// writer that was killed, and goes.
std::string Temporary(const std::string& target) { return target + ".tmp"; }

// Whether a file of `size` bytes stays within the process's file-size limit, beyond which a
// write would end the process with SIGXFSZ unless the host has turned that signal away.
bool WithinFileSizeLimit(std::size_t size) {
    rlimit limit{};
    return getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           size <= limit.rlim_cur;
}

// Nothing is allocated once the new file is in place, so that running out of memory never
// reports a change that was made as one that failed.
bool Replace(const std::string& target, const std::string& text) {
    if (!WithinFileSizeLimit(text.size())) return Fail(EFBIG);
    const std::string temporary = Temporary(target);
    const std::string directoryPath = Directory(target);
    struct stat old {};
    const bool replacing = stat(target.c_str(), &old) == 0;
    Descriptor file(
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.get() < 0) return Fail(errno);
    const bool written = (!replacing || TakeOver(file.get(), old)) && WriteAll(file.get(), text) &&
                         fsync(file.get()) == 0 && close(file.release()) == 0 &&
                         rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        const int error = errno;
        unlink(temporary.c_str());
        return Fail(error);
    }
    // The rename itself lasts once the directory has reached the disk.
    Descriptor directory(open(directoryPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) fsync(directory.get());
    return true;
}

std::string LockPath(const std::string& target) { return target + ".lock"; }

// Why the lock at `path` cannot serve: it is not a regular file, and a link is not one either.
std::string LockKindProblem(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return "its lock " + path + " is " + NotRegular(status.st_mode);
    return {};
}

// Why the temporary file at `path` cannot be replaced: a directory there is not removed.
std::string TemporaryProblem(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return Refuse(EISDIR, "its temporary file " + path + " is a directory");
    return {};
}

// The lock, made where it is missing, opened only as a regular file, not through a link and
// without waiting on a FIFO; not open when it cannot be.
Descriptor OpenLock(const std::string& path) {
    Descriptor lock(open(
        path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666));
    if (lock.get() < 0) {
        const int error = errno;
        Fail(LockKindProblem(path).empty() ? error : kStoreRefused);
        return lock;
    }
    struct stat status {};
    const bool examined = fstat(lock.get(), &status) == 0;
    if (examined && S_ISREG(status.st_mode)) return lock;
    Fail(examined ? kStoreRefused : errno);
    return Descriptor(-1);
}

// Takes the lock, waiting for another writer no longer than kLockWait.
bool TakeLock(const Descriptor& lock) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    auto pause = std::chrono::milliseconds(1);
    while (flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return Fail(errno);
        if (std::chrono::steady_clock::now() > deadline) return Fail(kLockHeld);
        std::this_thread::sleep_for(pause);
        pause = std::min(2 * pause, kLongestPause);
    }
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

Loaded StoreFile::Read() const { return ReadFile(m_path); }

std::string StoreFile::WriteProblem() const {
    std::string problem;
    const auto target = WriteTarget(m_path, problem);
    if (!target) return problem;
    struct stat status {};
    if (stat(target->c_str(), &status) == 0) {
        if (std::string refusal = WriteRefusal(*target, status); !refusal.empty()) return refusal;
    } else if (errno != ENOENT) {
        return Refuse(errno, SystemError());
    }
    const std::string directory = Directory(*target);
    if (access(directory.c_str(), W_OK | X_OK) != 0 && errno != ENOENT) {
        const int error = errno;
        return Refuse(error,
                      "its directory " + directory + " cannot be written: " + SystemError(error));
    }
    std::string lockProblem = LockKindProblem(LockPath(*target));
    if (!lockProblem.empty()) return Refuse(kStoreRefused, std::move(lockProblem));
    return TemporaryProblem(Temporary(*target));
}

std::string StoreFile::LockFile() const {
    std::string problem;
    const auto target = WriteTarget(m_path, problem);
    return target ? LockPath(*target) : std::string();
}

bool StoreFile::Update(const std::function<bool(Tree&)>& change) const {
    std::string problem;
    const auto target = WriteTarget(m_path, problem);
    if (!target) return false;
    // Nothing, not even a lock, is made beside what is not a store.
    struct stat status {};
    if (stat(target->c_str(), &status) == 0 && !S_ISREG(status.st_mode)) return Fail(kStoreRefused);
    if (!MakeDirectories(Directory(*target))) return false;
    const Descriptor lock = OpenLock(LockPath(*target));
    if (lock.get() < 0 || !TakeLock(lock)) return false;
    if (unlink(Temporary(*target).c_str()) != 0 && errno != ENOENT) return Fail(errno);
    auto tree = ReadFile(*target).tree;
    if (!tree) return false;
    const std::string before = ExportText(*tree);
    if (!change(*tree)) return false;
    const std::string after = ExportText(*tree);
    if (after == before) return true;
    if (after.size() > kLargestStore) return Fail(kStoreTooLarge);
    return WriteProblem().empty() && Replace(*target, after);
}

}  // namespace platform::registry
