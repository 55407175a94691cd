#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "interfaces/exports.h"
#include "interfaces/self_registration.h"
#include "platform/framework.h"
#include "platform/module.h"
#include "platform/registry.h"
#include "support/registry_snapshot.h"
#include "support/temporary_directory.h"

// The exports of the plug-in's code linked into this program, whose start a test fails.
extern "C" std::int32_t DllRegisterServer();
extern "C" std::int32_t DllUnregisterServer();

namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Outcome;
using platform::registry::Value;
using ::testing::HasSubstr;
using namespace std::string_literals;

const std::string kDeviceKey =
    std::string(kPluginsRegistryKey) + "\\Kelvane / 40 / PA / V1.00.00...V1.00.01";

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

template <typename Work>
pid_t Spawn(Work work) {
    const pid_t child = fork();
    if (child == 0) _exit(work());
    return child;
}

// A key `levels` deep below the hive.
std::string DeepKey(std::size_t levels) {
    std::string path = "SOFTWARE";
    for (std::size_t level = 1; level < levels; ++level) path += "\\k";
    return path;
}

// The line that ends `ddhost register` or `ddhost unregister`; empty when it succeeds.
std::string FailureLine(ddhost::Session& session, bool unregister) {
    try {
        ddhost::RegisterCommand(session, unregister);
        return {};
    } catch (const ddhost::CommandError& error) {
        return error.what();
    }
}

// Something odd made in the store's place or beside it, and why the stand-in refuses it.
struct Oddity {
    const char* what;
    std::function<void()> make;
    const char* reason;
};

// The exit code of the child, or -1 when it did not exit by itself.
int Wait(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The exit code of a child that cannot do its work here.
constexpr int kCannotHere = 77;

// What `work` answers in a child process; nothing when it answers nothing (kCannotHere), and a
// note when the child does not end by itself.
std::optional<std::string> InChild(const std::function<std::optional<std::string>()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = Spawn([&] {
        close(pipeEnds[0]);
        const auto answer = work();
        if (!answer) return kCannotHere;
        return write(pipeEnds[1], answer->data(), answer->size()) ==
                       static_cast<ssize_t>(answer->size())
                   ? 0
                   : 1;
    });
    close(pipeEnds[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    const int code = Wait(child);
    if (code == kCannotHere) return std::nullopt;
    return code == 0 ? answer : answer + " (the child ended with " + std::to_string(code) + ')';
}

// A tmpfs with `options` at `path`, seen by this process alone; false where it may not mount.
bool MountPrivately(const std::filesystem::path& path, const char* options) {
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", path.c_str(), "tmpfs", 0, options) == 0;
}

// Every file below `path` but the locks, with its size.
std::string Listing(const std::filesystem::path& path) {
    std::string listing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        if (entry.path().extension() == ".lock") continue;
        listing += entry.path().string();
        if (entry.is_regular_file()) listing += ' ' + std::to_string(entry.file_size());
        listing += '\n';
    }
    return listing;
}

// The registry stand-in: a store that outlives processes, stays whole whatever happens to the
// processes that write it, and says why when it cannot be used.
class RegistryStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("DD_REGISTRY_FILE", StorePath().c_str(), 1); }

    std::filesystem::path StorePath() const { return directory.path() / "state" / "registry"; }

    std::int32_t Register() const {
        return plugin.Export<PFN_DllRegisterServer>("DllRegisterServer")();
    }
    std::int32_t Unregister() const {
        return plugin.Export<PFN_DllUnregisterServer>("DllUnregisterServer")();
    }

    // How many values the device's key has in the store as one read of the file finds it; -1
    // when it is not there, -2 when the store cannot be read.
    int DeviceValueCount() const {
        if (!Key::LocalMachine().IsOpen()) return -2;
        const std::string text = FileText(StorePath());
        const std::string line = "[HKEY_LOCAL_MACHINE\\" + kDeviceKey + "]\n";
        const std::size_t start = text.find(line);
        if (start == std::string::npos) return -1;
        const auto values = text.begin() + static_cast<std::ptrdiff_t>(start + line.size());
        return static_cast<int>(
            std::count(values, text.begin() + text.find("\n\n", start) + 1, '\n'));
    }

    // Keys of other makers, with values of every kind, that no registration may disturb.
    static std::string WriteUnrelatedKeys() {
        std::mt19937 random(7);
        for (int i = 0; i < 20; ++i) {
            Key key = Key::LocalMachine().Create("SOFTWARE\\Other\\Maker " + std::to_string(i));
            std::vector<std::uint8_t> bytes(512);
            for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
            key.SetValue("Blob", platform::registry::kBinary, bytes.data(), bytes.size());
            key.SetValue("Name", platform::registry::kString, "Gr\xE4t \"x\" \\ y", 13);
            key.SetValue("", platform::registry::kDWord, &i, sizeof i);
            EXPECT_TRUE(key.Close());
        }
        return RegistrySnapshot("SOFTWARE\\Other");
    }

    int Temporaries() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(StorePath().parent_path()))
            count += entry.path().extension() == ".tmp";
        return count;
    }

    const TemporaryDirectory directory;
    const platform::Module plugin{DD_PLUGIN_PATH};
};

TEST_F(RegistryStoreTest, ARegistrationOutlivesItsProcessAsRegistryExportText) {
    const pid_t child = Spawn([this] { return Register(); });
    ASSERT_EQ(Wait(child), 0);
    const std::unique_ptr<CInformation> info(plugin.Export<PFN_GetInformation>("GetInformation")());
    // One block after a blank line, values in the order written; the keys above it, which hold
    // nothing of their own, are made by it.
    EXPECT_EQ(FileText(StorePath()),
              "REGEDIT4\n"
              "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaform\\PB\\DTMs\\E15\\Kelvane / 40 / PA / "
              "V1.00.00...V1.00.01]\n"
              "\"DLLPATH\"=\"" +
                  std::string(info->GetModulePath().ptr()) +
                  "\"\n"
                  "\"Description\"=\"Flow (Vortex Counter)\"\n"
                  "\"TechnicalDescription\"=\"1:17;5392,1,1\"\n"
                  "\"BottomBarStyle\"=dword:00000001\n"
                  "\"WriteNotAvailableVariablesToDevice\"=dword:00000001\n"
                  "\n");
}

TEST_F(RegistryStoreTest, ParallelRegistrationsKeepUnrelatedKeysAndNeverShowAHalfKey) {
    const std::string unrelated = WriteUnrelatedKeys();
    constexpr int kRegistrars = 4;
    constexpr int kRounds = 25;
    constexpr int kWriters = 3;
    constexpr int kKeysEach = 25;
    std::vector<pid_t> children;
    // Each registrar ends registered; its exit code counts the calls that failed.
    for (int registrar = 0; registrar < kRegistrars; ++registrar) {
        children.push_back(Spawn([this] {
            int failures = Register() != 0;
            for (int round = 1; round < kRounds; ++round)
                failures += (Unregister() != 0) + (Register() != 0);
            return failures;
        }));
    }
    for (int writer = 0; writer < kWriters; ++writer) {
        children.push_back(Spawn([writer] {
            int failures = 0;
            for (int i = 0; i < kKeysEach; ++i) {
                Key key = Key::LocalMachine().Create("SOFTWARE\\Race\\W" + std::to_string(writer) +
                                                     "\\K" + std::to_string(i));
                failures += !key.SetValue("N", platform::registry::kDWord, &i, sizeof i);
                failures += !key.Close();
            }
            return failures;
        }));
    }
    // Meanwhile the device's key is never seen with part of its values.
    int reads = 0;
    int failures = 0;
    std::vector<int> halfKeys;
    for (std::vector<pid_t> running = children; !running.empty(); ++reads) {
        if (const int count = DeviceValueCount(); count != -1 && count != 5)
            halfKeys.push_back(count);
        std::erase_if(running, [&](pid_t child) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) != child) return false;
            failures += WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
            return true;
        });
    }
    EXPECT_THAT(halfKeys, ::testing::IsEmpty());
    EXPECT_EQ(failures, 0);
    std::cout << "[ figures  ] " << children.size() << " processes, "
              << kRegistrars * (2 * kRounds - 1) << " registration calls, " << kWriters * kKeysEach
              << " unrelated keys written, " << reads << " reads meanwhile, " << failures
              << " failures\n";

    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Other"), unrelated);
    EXPECT_EQ(DeviceValueCount(), 5);
    const Key race = Key::LocalMachine().Open("SOFTWARE\\Race", Access::Read);
    ASSERT_EQ(race.SubKeyNames().size(), static_cast<std::size_t>(kWriters));
    for (int writer = 0; writer < kWriters; ++writer) {
        const Key keys = race.Open("W" + std::to_string(writer), Access::Read);
        EXPECT_EQ(keys.SubKeyNames().size(), static_cast<std::size_t>(kKeysEach));
    }
}

TEST_F(RegistryStoreTest, WritersKilledAtRandomMomentsLeaveAWholeStoreAndOneTemporaryAtMost) {
    const std::string unrelated = WriteUnrelatedKeys();
    const char* wanted = std::getenv("DD_STORE_KILLS");
    const int kills = wanted != nullptr ? std::atoi(wanted) : 150;
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> moment(0, 4000);
    int leftBehind = 0;
    for (int round = 0; round < kills; ++round) {
        const pid_t child = Spawn([this] {
            for (;;) {
                Register();
                Unregister();
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        Wait(child);
        const int count = DeviceValueCount();
        ASSERT_TRUE(count == -1 || count == 5) << "round " << round << ": " << count;
        const int temporaries = Temporaries();
        ASSERT_LE(temporaries, 1) << "round " << round;
        leftBehind += temporaries;
    }
    ASSERT_EQ(Register(), 0);
    EXPECT_EQ(Temporaries(), 0);
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Other"), unrelated);
    std::cout << "[ figures  ] " << kills << " writers killed, " << leftBehind
              << " rounds left a temporary for the next writer, 0 half keys\n";
}

// Each store here cannot be used; registering and unregistering say why in one line and leave
// it as it was.
TEST_F(RegistryStoreTest, OddFilesAreRefusedWithTheirReasonAndLeftAsTheyAre) {
    const std::filesystem::path store = StorePath();
    const std::string cut = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"x\"=dword:0000";
    const Oddity odd[] = {
        {"FIFO", [&] { mkfifo(store.c_str(), 0600); }, "not a regular file but a FIFO"},
        {"link to an endless device", [&] { std::filesystem::create_symlink("/dev/zero", store); },
         "not a regular file but a character device"},
        {"directory", [&] { std::filesystem::create_directory(store); },
         "not a regular file but a directory"},
        {"truncated", [&] { WriteFile(store, cut); }, "cut short: its last line has no end"},
        {"not understood", [&] { WriteFile(store, cut + "\n[HKEY_CURRENT_USER\\B]\n"); },
         "line 5 is not understood"},
        {"a text that ends at its opening quote", [&] { WriteFile(store, cut + "1\n\"y\"=\"\n"); },
         "line 5 is not understood"},
        {"too large", [&] { WriteFile(store, "REGEDIT4\n" + std::string(5 << 20, '\n')); },
         "larger than the 4 MiB that a registry file may hold"},
        {"one level too deep",
         [&] { WriteFile(store, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + DeepKey(513) + "]\n"); },
         "line 3 names a key deeper than the 512 levels a key may have"},
        {"100,000 levels deep",
         [&] { WriteFile(store, "DD registry 1\n[" + DeepKey(100000) + "]\n"); },
         "line 2 names a key deeper than the 512 levels a key may have"},
    };
    ddhost::Session session(DD_PLUGIN_PATH);
    for (const auto& [what, make, reason] : odd) {
        SCOPED_TRACE(what);
        std::filesystem::remove_all(store.parent_path());
        std::filesystem::create_directories(store.parent_path());
        make();
        const auto type = std::filesystem::symlink_status(store).type();
        const std::string text = type == std::filesystem::file_type::regular ? FileText(store) : "";
        for (const bool unregister : {false, true}) {
            const std::string line = FailureLine(session, unregister);
            EXPECT_EQ(line.find('\n'), std::string::npos);
            EXPECT_THAT(line, HasSubstr("returned 0x80040201, and HKEY_LOCAL_MACHINE\\" +
                                        kDeviceKey + " cannot be read; registry file " +
                                        store.string() + ": " + reason));
        }
        EXPECT_EQ(std::filesystem::symlink_status(store).type(), type);
        if (type == std::filesystem::file_type::regular) {
            EXPECT_EQ(FileText(store), text);
        }
        // Nothing, not even a lock, is made beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.parent_path()), {}), 1);
    }
}

// Nothing waits on the lock or follows it elsewhere: one that is not a regular file is refused
// before and while a change is made, and is not made; one that another writer holds is waited
// for a few seconds.
TEST_F(RegistryStoreTest, ALockThatIsNotARegularFileOrIsHeldFailsTheCallInBoundedTime) {
    const std::string lock = StorePath().string() + ".lock";
    const std::filesystem::path linked = directory.path() / "linked";
    const std::string store = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Maker]\n";
    WriteFile(StorePath(), store);
    int holder = -1;
    const Oddity locks[] = {
        {"FIFO", [&] { mkfifo(lock.c_str(), 0600); }, "is not a regular file but a FIFO"},
        {"link", [&] { std::filesystem::create_symlink(linked, lock); },
         "is not a regular file but a symbolic link"},
        {"held",
         [&] {
             holder = open(lock.c_str(), O_RDONLY | O_CREAT, 0600);
             flock(holder, LOCK_EX);
         },
         "is held by another writer"},
    };
    ddhost::Session session(DD_PLUGIN_PATH);
    for (const auto& [what, make, reason] : locks) {
        SCOPED_TRACE(what);
        std::filesystem::remove(lock);
        make();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(FailureLine(session, false),
                  "DllRegisterServer returned 0x80040201, and HKEY_LOCAL_MACHINE\\" + kDeviceKey +
                      " is missing; registry file " + StorePath().string() + ": its lock " + lock +
                      ' ' + reason);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        EXPECT_LT(seconds.count(), 10);
        std::cout << "[ figures  ] " << what << " lock: the call failed after " << seconds.count()
                  << " s\n";
        // The writer itself refuses it too; a held lock is not waited for twice.
        if (holder < 0) {
            EXPECT_EQ(Key::LocalMachine().DeleteSubKey("SOFTWARE\\Maker"), Outcome::Failed);
        }
        EXPECT_EQ(FileText(StorePath()), store);
    }
    EXPECT_FALSE(std::filesystem::exists(linked));
    // A writer that lets go meanwhile hands the lock on.
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        close(holder);
    });
    EXPECT_EQ(Register(), 0);
    release.join();
    EXPECT_EQ(DeviceValueCount(), 5);
}

// A change that cannot be written fails with the system's reason or the stand-in's, which
// ddhost names; the process lives on and nothing is left but a lock. Each runs in a child, which
// may mount file systems of its own where it is allowed to.
TEST_F(RegistryStoreTest, AChangeThatCannotBeWrittenFailsWithItsReasonAndLeavesNothing) {
    const std::filesystem::path store = StorePath();
    const std::filesystem::path directoryStore = directory.path() / "new" / "";
    std::filesystem::create_directories(store.parent_path());
    const auto bulk = [&] {
        // One value that leaves less room than a registration takes.
        std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bulk]\n\"Bulk\"=hex:a5";
        while (text.size() + 3 + 2 < (4u << 20) - 100) text += ",a5";
        WriteFile(store, text + "\n\n");
        return true;
    };
    const auto fileSizeLimit = [&] {
        WriteFile(store, "REGEDIT4\n");
        const rlimit limit{64, RLIM_INFINITY};
        return setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    const auto full = [&] {
        if (!MountPrivately(store.parent_path(), "size=64k")) return false;
        WriteFile(store.parent_path() / "filler", std::string(128 << 10, 'x'));
        return true;
    };
    const auto readOnly = [&] {
        if (!MountPrivately(store.parent_path(), "size=64k")) return false;
        WriteFile(store, "REGEDIT4\n");
        return mount(nullptr, store.parent_path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                     nullptr) == 0;
    };
    const std::string missing = "is missing; registry file " + store.string() + ": ";
    const struct {
        const char* what;
        std::function<bool()> make;
        std::string rest;
    } cases[] = {
        {"a store that would grow too large", bulk, missing + "the store would grow past 4 MiB"},
        {"a file-size limit", fileSizeLimit, missing + "File too large"},
        {"a store named as a directory",
         [&] { return setenv("DD_REGISTRY_FILE", directoryStore.c_str(), 1) == 0; },
         "cannot be read; registry file " + directoryStore.string() + ": Is a directory"},
        {"a full file system", full, missing + "No space left on device"},
        {"no free inodes", [&] { return MountPrivately(store.parent_path(), "nr_inodes=1"); },
         missing + "No space left on device"},
        {"a read-only file system", readOnly, missing + "Read-only file system"},
    };
    ddhost::Session session(DD_PLUGIN_PATH);
    std::string notHere;
    for (const auto& [what, make, rest] : cases) {
        SCOPED_TRACE(what);
        const auto line = InChild([&]() -> std::optional<std::string> {
            if (!make()) return std::nullopt;
            const std::string before = Listing(directory.path());
            std::string line = FailureLine(session, false);
            if (Listing(directory.path()) != before) line += " (and the files changed)";
            return line;
        });
        if (!line) {
            notHere += std::string(notHere.empty() ? "" : ", ") + what;
        } else {
            EXPECT_EQ(*line, "DllRegisterServer returned 0x80040201, and HKEY_LOCAL_MACHINE\\" +
                                 kDeviceKey + ' ' + rest);
        }
    }
    if (!notHere.empty()) GTEST_SKIP() << "not tried, as this process may not mount: " << notHere;
}

TEST_F(RegistryStoreTest, AFileThisUserCannotReadIsRefusedWithTheSystemsReason) {
    WriteFile(StorePath(), "REGEDIT4\n");
    ASSERT_EQ(chmod(StorePath().c_str(), 0), 0);
    // Root reads any file, so the test reads as nobody.
    const pid_t child = Spawn([this] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
        const bool refused =
            Register() == kSelfRegistrationFailed && Unregister() == kSelfRegistrationFailed;
        return refused && platform::registry::Problem() ==
                              "registry file " + StorePath().string() + ": Permission denied"
                   ? 0
                   : 1;
    });
    EXPECT_EQ(Wait(child), 0);
    EXPECT_EQ(FileText(StorePath()), "REGEDIT4\n");
}

// A reason that something the stand-in can name stands in the way is given with that name: the
// device's key, which has a subkey; a directory in the temporary file's place, refused before
// anything is made; the store's directory, which this user may not write.
TEST_F(RegistryStoreTest, DdhostNamesTheKeyTheTemporaryFileOrTheDirectoryInTheWay) {
    const std::string key = "HKEY_LOCAL_MACHINE\\" + kDeviceKey;
    const std::string file = "registry file " + StorePath().string() + ": ";
    const std::string lock = StorePath().string() + ".lock";
    ddhost::Session session(DD_PLUGIN_PATH);
    ASSERT_EQ(Register(), 0);
    ASSERT_TRUE(Key::LocalMachine().Create(kDeviceKey + "\\Sub").Close());
    EXPECT_EQ(FailureLine(session, true), "DllUnregisterServer returned 0x80040201, and " + key +
                                              " is still there; key " + key +
                                              ": it has subkeys, so it is not deleted");
    ASSERT_EQ(Key::LocalMachine().DeleteSubKey(kDeviceKey + "\\Sub"), Outcome::Done);

    const std::string temporary = StorePath().string() + ".tmp";
    std::filesystem::create_directory(temporary);
    std::filesystem::remove(lock);
    const std::string text = FileText(StorePath());
    const std::string inTheWay = file + "its temporary file " + temporary + " is a directory";
    EXPECT_EQ(FailureLine(session, true), "DllUnregisterServer returned 0x80040201, and " + key +
                                              " is still there; " + inTheWay);
    EXPECT_EQ(FailureLine(session, false), "DllRegisterServer returned 0x80040201; " + inTheWay);
    EXPECT_EQ(FileText(StorePath()), text);
    EXPECT_FALSE(std::filesystem::exists(lock));
    std::filesystem::remove(temporary);

    // Root writes any directory, so the test writes as nobody.
    std::filesystem::remove(StorePath());
    ASSERT_EQ(chmod(directory.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(StorePath().parent_path().c_str(), 0555), 0);
    const auto line = InChild([&]() -> std::optional<std::string> {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return std::nullopt;
        if (access(StorePath().parent_path().c_str(), X_OK) != 0) return std::nullopt;
        return FailureLine(session, false);
    });
    chmod(StorePath().parent_path().c_str(), 0755);
    if (!line) GTEST_SKIP() << "not tried, as the user nobody cannot reach the store";
    EXPECT_EQ(*line, "DllRegisterServer returned 0x80040201, and " + key + " is missing; " + file +
                         "its directory " + StorePath().parent_path().string() +
                         " cannot be written: Permission denied");
}

// A key's reasons name the key as the host shows it; running out of memory and a module that did
// not start blame no file.
TEST_F(RegistryStoreTest, KeyMemoryAndStartReasonsAreWordedAsTheirOwn) {
    using platform::registry::FailureText;
    using platform::registry::LastFailure;
    const auto handedOn = [] {
        platform::registry::PassOnFailure();
        return FailureText(LastFailure(), "K");
    };
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\Maker").Close());
    Key gone = Key::LocalMachine().Open("SOFTWARE\\Maker", Access::Write);
    ASSERT_EQ(Key::LocalMachine().DeleteSubKey("SOFTWARE\\Maker"), Outcome::Done);
    ASSERT_TRUE(gone.SetValue("A", platform::registry::kString, "a", 2));
    EXPECT_FALSE(gone.Close());
    EXPECT_EQ(handedOn(), "key K: it, or a key above it, is no longer there");
    EXPECT_FALSE(Key::LocalMachine().Create("SOFTWARE\\\\Empty").IsOpen());
    EXPECT_EQ(handedOn(), "key K: its name or a value's name is one the registry cannot hold");
    EXPECT_EQ(FailureText(ENOMEM, "K"), "memory ran out");

    // A start that fails otherwise than for want of memory, in a process of its own.
    const auto answers = InChild([]() -> std::optional<std::string> {
        struct Refusing : CWinApp {
            bool InitInstance() override { throw std::runtime_error("no start"); }
        } refusing;
        platform::AttachProcess(nullptr);
        std::string answers;
        for (const auto call : {&DllRegisterServer, &DllUnregisterServer}) {
            errno = EBADF;
            const std::int32_t status = call();
            const int reason = errno;
            answers += std::to_string(status) + ' ' + std::to_string(reason) + ' ' +
                       FailureText(reason, "K") + '\n';
        }
        return answers;
    });
    const std::string refused = std::to_string(kSelfRegistrationFailed) + ' ' +
                                std::to_string(0x20000004) +
                                " the plug-in did not start when it was loaded\n";
    EXPECT_EQ(answers, refused + refused);
}

TEST_F(RegistryStoreTest, WritesThroughLinksKeepingTheModeAndRefusesAReadOnlyFile) {
    const std::filesystem::path target = directory.path() / "elsewhere" / "store";
    WriteFile(target, "REGEDIT4\n");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    std::filesystem::create_directories(StorePath().parent_path());
    std::filesystem::create_symlink("../elsewhere/store", StorePath());

    EXPECT_EQ(Register(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(StorePath()));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    EXPECT_THAT(FileText(target), HasSubstr("\"Description\"=\"Flow (Vortex Counter)\"\n"));

    // A dangling link gets its target.
    std::filesystem::remove(target);
    EXPECT_EQ(Register(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(StorePath()));
    EXPECT_EQ(DeviceValueCount(), 5);

    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    const std::string before = FileText(target);
    EXPECT_EQ(Unregister(), kSelfRegistrationFailed);
    EXPECT_EQ(Register(), kSelfRegistrationFailed);
    EXPECT_EQ(FileText(target), before);
    EXPECT_EQ(platform::registry::Problem(),
              "registry file " + StorePath().string() + ": read-only for this user");
}

TEST_F(RegistryStoreTest, MemoryRunningOutWhileReadingTheStoreIsReportedNotThrown) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory does not keep to an address-space limit";
#else
    // A store of three MiB, written without a large allocation.
    std::filesystem::create_directories(StorePath().parent_path());
    std::FILE* file = std::fopen(StorePath().c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bulk]\n\"Bulk\"=hex:00", file);
    for (int byte = 1; byte < 1 << 20; ++byte) std::fputs(",a5", file);
    std::fputs("\n", file);
    std::fclose(file);
    // Read in a fresh run of this program, whose heap has no room left over from earlier
    // work, under a limit that leaves no room for the store.
    const auto readUnderLimit = [this] {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const auto limit = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + (1 << 20));
        const rlimit room{limit, limit};
        const bool reported = setrlimit(RLIMIT_AS, &room) == 0 &&
                              Register() == kSelfRegistrationOutOfMemory &&
                              Unregister() == kSelfRegistrationOutOfMemory;
        _exit(reported ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(readUnderLimit(), ::testing::ExitedWithCode(0), "");
#endif
}

TEST_F(RegistryStoreTest, ValuesReachTheStoreTogetherWhenTheKeyCloses) {
    Key key = Key::LocalMachine().Create("SOFTWARE\\Maker\\Device");
    ASSERT_TRUE(key.SetValue("A", platform::registry::kString, "a", 2));
    ASSERT_TRUE(key.SetValue("B", platform::registry::kString, "b", 2));
    // The key sees what it holds back; the store has none of it yet.
    EXPECT_EQ(key.ValueNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(Key::LocalMachine().Open("SOFTWARE\\Maker", Access::Read).IsOpen());
    EXPECT_FALSE(std::filesystem::exists(StorePath()));
    ASSERT_TRUE(key.Close());
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Maker"),
              "[SOFTWARE\\Maker][SOFTWARE\\Maker\\Device] A=1:a\0 B=1:b\0"s);

    // A key deleted while open takes its values nowhere.
    Key gone = Key::LocalMachine().Open("SOFTWARE\\Maker\\Device", Access::Write);
    EXPECT_EQ(Key::LocalMachine().DeleteSubKey("SOFTWARE\\Maker\\Device"), Outcome::Done);
    EXPECT_TRUE(gone.SetValue("C", platform::registry::kString, "c", 2));
    EXPECT_FALSE(gone.Close());
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Maker"), "[SOFTWARE\\Maker]");
    // Nor is a key made below a key deleted before it closes.
    Key orphan = Key::LocalMachine().Open("SOFTWARE\\Maker", Access::Write).Create("Orphan");
    ASSERT_TRUE(orphan.IsOpen());
    EXPECT_EQ(Key::LocalMachine().DeleteSubKey("SOFTWARE\\Maker"), Outcome::Done);
    EXPECT_TRUE(orphan.SetValue("C", platform::registry::kString, "c", 2));
    EXPECT_FALSE(orphan.Close());
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Maker"), "(none)");
    // Nor does a key abandoned.
    Key abandoned = Key::LocalMachine().Create("SOFTWARE\\Maker");
    EXPECT_TRUE(abandoned.SetValue("C", platform::registry::kString, "c", 2));
    abandoned.Abandon();
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Maker"), "(none)");

    // Nothing beyond the size that would be read back.
    const std::vector<std::uint8_t> huge(5 << 20, 0);
    const std::vector<std::uint8_t> big(1 << 20, 0);
    Key full = Key::LocalMachine().Create("SOFTWARE\\Maker\\Full");
    EXPECT_FALSE(full.SetValue("Huge", platform::registry::kBinary, huge.data(), huge.size()));
    EXPECT_TRUE(full.SetValue("Big1", platform::registry::kBinary, big.data(), big.size()));
    EXPECT_TRUE(full.SetValue("Big2", platform::registry::kBinary, big.data(), big.size()));
    const std::string before = FileText(StorePath());
    EXPECT_FALSE(full.Close());
    EXPECT_EQ(FileText(StorePath()), before);
}

// Keys as deep as Windows allows are kept, each written in a block of its own only where it
// holds something; a deeper one is not made, and a file with one is refused (see above).
TEST_F(RegistryStoreTest, KeysUpTo512LevelsDeepAreKeptAndWrittenInProportion) {
    const std::string deepest =
        "[HKEY_LOCAL_MACHINE\\" + DeepKey(512) + "]\n\"V\"=dword:00000001\n";
    WriteFile(StorePath(), "REGEDIT4\n\n" + deepest);
    EXPECT_EQ(Register(), 0);
    const std::string text = FileText(StorePath());
    EXPECT_THAT(text, HasSubstr("\n\n" + deepest + "\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '['), 2);
    EXPECT_EQ(Key::LocalMachine().Open(DeepKey(512), Access::Read).QueryValue("V"),
              (Value{platform::registry::kDWord, {1, 0, 0, 0}}));
    EXPECT_FALSE(Key::LocalMachine().Create(DeepKey(513)).IsOpen());
    const Key parent = Key::LocalMachine().Open(DeepKey(511), Access::Write);
    EXPECT_TRUE(parent.Create("k").IsOpen());
    EXPECT_FALSE(parent.Create("k\\k").IsOpen());
}

TEST_F(RegistryStoreTest, ReadsExportTextAsRegeditWritesItAndTheEarlierText) {
    WriteFile(StorePath(),
              "REGEDIT4\r\n\r\n"
              "[hkey_local_machine\\SOFTWARE\\Maker]\r\n"
              "@=\"default\"\r\n"
              "\"Say \\\"hi\\\" \\\\\"=\"C:\\\\dir\"\r\n"
              "\"Bin\"=hex:01,AB,\\\r\n"
              "  cd\r\n"
              "\"Expand\"=hex(2):25,00\r\n"
              "\"Flag\"=dword:0000000A\r\n"
              "\"Empty\"=\"\"\r\n");
    const Key maker = Key::LocalMachine().Open("SOFTWARE\\Maker", Access::Read);
    EXPECT_EQ(maker.ValueNames(),
              (std::vector<std::string>{"", "Say \"hi\" \\", "Bin", "Expand", "Flag", "Empty"}));
    EXPECT_EQ(maker.QueryValue(""), (Value{1, {'d', 'e', 'f', 'a', 'u', 'l', 't', 0}}));
    EXPECT_EQ(maker.QueryValue("Say \"hi\" \\"), (Value{1, {'C', ':', '\\', 'd', 'i', 'r', 0}}));
    EXPECT_EQ(maker.QueryValue("Bin"), (Value{3, {0x01, 0xAB, 0xCD}}));
    EXPECT_EQ(maker.QueryValue("Expand"), (Value{2, {0x25, 0x00}}));
    EXPECT_EQ(maker.QueryValue("Flag"), (Value{4, {10, 0, 0, 0}}));
    EXPECT_EQ(maker.QueryValue("Empty"), (Value{1, {0}}));

    // The earlier text, upper-case digits too; the next change writes the export text, with
    // a text that is not plain ASCII as bytes.
    WriteFile(StorePath(), "DD registry 1\n[SOFTWARE\\Gr%E4t]\n\"T\"=1:4AE400\n\"N\"=4:0A000000\n");
    const Key old = Key::LocalMachine().Open("SOFTWARE\\Gr\xE4t", Access::Read);
    EXPECT_EQ(old.QueryValue("T"), (Value{1, {'J', 0xE4, 0}}));
    EXPECT_EQ(old.QueryValue("N"), (Value{4, {10, 0, 0, 0}}));
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\New").Close());
    EXPECT_EQ(FileText(StorePath()),
              "REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Gr\xE4t]\n\"T\"=hex(1):4a,e4,00\n"
              "\"N\"=dword:0000000a\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\n\n");
}

TEST_F(RegistryStoreTest, KeepsAnyBytesInNamesAndDataBarLineBreaksInNames) {
    const std::string keyName = "Key [with] \"odd\" = %41 \xE4\xB3\t]";
    const std::string valueName = "Value with \"quotes\", \\ and %";
    std::vector<std::uint8_t> data;
    for (int byte = 0; byte < 256; ++byte) data.push_back(static_cast<std::uint8_t>(byte));
    const Key software = Key::LocalMachine().Create("SOFTWARE");
    Key created = software.Create(keyName);
    ASSERT_TRUE(created.IsOpen());
    ASSERT_TRUE(created.SetValue(valueName, 3, data.data(), data.size()));
    ASSERT_TRUE(created.SetValue("", 1, "", 1));
    ASSERT_TRUE(created.SetValue("Text", 1, "x\n", 3));
    EXPECT_FALSE(created.SetValue("Line\nbreak", 1, "", 1));
    EXPECT_FALSE(software.Create("Line\rbreak").IsOpen());
    ASSERT_TRUE(created.Close());

    const Key read = Key::LocalMachine().Open("SOFTWARE", Access::Read);
    EXPECT_EQ(read.SubKeyNames(), std::vector<std::string>{keyName});
    const Key key = read.Open(keyName, Access::Read);
    EXPECT_EQ(key.ValueNames(), (std::vector<std::string>{valueName, "", "Text"}));
    EXPECT_EQ(key.QueryValue(valueName), (Value{3, data}));
    EXPECT_EQ(key.QueryValue(""), (Value{1, {0}}));
    EXPECT_EQ(key.QueryValue("Text"), (Value{1, {'x', '\n', 0}}));
}

TEST_F(RegistryStoreTest, NamesKeysAndValuesWithoutRegardToLetterCase) {
    Key created = Key::LocalMachine().Create("SOFTWARE\\Maker\\Device");
    ASSERT_TRUE(created.SetValue("Name", 1, "a", 2));
    ASSERT_TRUE(created.Close());
    Key opened = Key::LocalMachine().Open("software\\MAKER\\device", Access::Write);
    ASSERT_TRUE(opened.SetValue("NAME", 1, "b", 2));
    ASSERT_TRUE(opened.Close());
    const Key read = Key::LocalMachine().Open("SOFTWARE\\Maker\\Device", Access::Read);
    EXPECT_EQ(read.ValueNames(), std::vector<std::string>{"Name"});
    EXPECT_EQ(read.QueryValue("name"), (Value{1, {'b', 0}}));
    // Created again in other letters, a key keeps its first spelling.
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\MAKER").Close());
    EXPECT_EQ(Key::LocalMachine().Open("SOFTWARE", Access::Read).SubKeyNames(),
              std::vector<std::string>{"Maker"});
}

TEST_F(RegistryStoreTest, DeletesOnlyKeysWithoutSubkeys) {
    const Key root = Key::LocalMachine();
    ASSERT_TRUE(root.Create("SOFTWARE\\A\\B").Close());
    EXPECT_EQ(root.DeleteSubKey("SOFTWARE\\A"), Outcome::Failed);
    EXPECT_EQ(root.DeleteSubKey("SOFTWARE\\Missing"), Outcome::Missing);
    EXPECT_EQ(root.DeleteSubKey("SOFTWARE\\A\\B"), Outcome::Done);
    EXPECT_EQ(root.DeleteSubKey("SOFTWARE\\A"), Outcome::Done);
    EXPECT_TRUE(root.Open("SOFTWARE\\A", Access::Read).IsMissing());
    EXPECT_FALSE(root.Create("SOFTWARE\\\\Empty").IsOpen());
    EXPECT_FALSE(root.Create(std::string(256, 'k')).IsOpen());
}

// The export that CallThenMeddle calls, and what another writer does right after it.
PFN_DllRegisterServer g_export = nullptr;
std::function<void()> g_meddle;

std::int32_t DD_PLUGIN_CALL CallThenMeddle() {
    const std::int32_t status = g_export();
    g_meddle();
    return status;
}

TEST_F(RegistryStoreTest, DdhostReadsTheKeyBackAfterEachCall) {
    ddhost::Session session(DD_PLUGIN_PATH);
    const ddhost::CommandOutput registered = ddhost::RegisterCommand(session, false);
    EXPECT_EQ(registered.json["status"], 0);
    EXPECT_EQ(registered.json["key"], "HKEY_LOCAL_MACHINE\\" + kDeviceKey);
    EXPECT_EQ(registered.text, "DllRegisterServer returned 0\n");
    EXPECT_EQ(ddhost::RegisterCommand(session, true).json["status"], 0);
    EXPECT_EQ(ddhost::RegisterCommand(session, true).json["status"], 0);

    // Another writer undoes each call before it is read back, and still holds the lock then.
    auto& exports = const_cast<ddhost::PluginExports&>(session.library().exports());
    const int holder = open((StorePath().string() + ".lock").c_str(), O_RDONLY);
    for (const bool unregister : {false, true}) {
        g_export = std::exchange(
            unregister ? exports.dllUnregisterServer : exports.dllRegisterServer, CallThenMeddle);
        g_meddle = [&] {
            if (unregister)
                Key::LocalMachine().Create(kDeviceKey).Close();
            else
                Key::LocalMachine().DeleteSubKey(kDeviceKey);
            flock(holder, LOCK_EX);
        };
        EXPECT_EQ(FailureLine(session, unregister),
                  (unregister ? "DllUnregisterServer" : "DllRegisterServer") +
                      " returned 0, and HKEY_LOCAL_MACHINE\\"s + kDeviceKey +
                      (unregister ? " is still there" : " is missing") +
                      "; it was changed by another writer meanwhile");
        flock(holder, LOCK_UN);
    }
    close(holder);
}

// Where the store lives when the environment names no file.
class RegistryLocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"DD_REGISTRY_FILE", "XDG_STATE_HOME", "HOME"}) {
            if (const char* value = std::getenv(name)) saved.emplace_back(name, value);
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
    }

    std::vector<std::pair<std::string, std::string>> saved;
    const TemporaryDirectory directory;
};

TEST_F(RegistryLocationTest, FollowsTheStateDirectoryThenHome) {
    EXPECT_FALSE(Key::LocalMachine().IsOpen());
    const std::string home = (directory.path() / "home").string();
    setenv("HOME", home.c_str(), 1);
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\X").Close());
    EXPECT_TRUE(std::filesystem::exists(home + "/.local/state/ddplugin/registry"));

    const std::string state = (directory.path() / "state").string();
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    EXPECT_FALSE(Key::LocalMachine().Open("SOFTWARE\\X", Access::Read).IsOpen());
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\Y").Close());
    EXPECT_TRUE(std::filesystem::exists(state + "/ddplugin/registry"));
}

}  // namespace
