#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "interfaces/exports.h"
#include "platform/module.h"
#include "platform/registry.h"
#include "support/temporary_directory.h"

namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Value;

// The registry stand-in: a store that outlives processes and stays whole whatever happens to
// the processes that write it.
class RegistryStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("DD_REGISTRY_FILE", StorePath().c_str(), 1); }

    std::string StorePath() const { return (directory.path() / "state" / "registry").string(); }

    std::string StoreText() const {
        std::ifstream file(StorePath(), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    const TemporaryDirectory directory;
};

template <typename Work>
pid_t Spawn(Work work) {
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    return child;
}

int Wait(pid_t child) {
    int status = -1;
    waitpid(child, &status, 0);
    return status;
}

// Names V0, V1, ... as one writer adds them in turn: true when they are a gapless run.
bool IsGaplessRun(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != "V" + std::to_string(i)) return false;
    }
    return true;
}

TEST_F(RegistryStoreTest, ARegistrationOutlivesTheProcessThatMadeIt) {
    const pid_t child = Spawn([] {
        const platform::Module plugin(DD_PLUGIN_PATH);
        plugin.Export<PFN_DllRegisterServer>("DllRegisterServer")();
    });
    ASSERT_EQ(Wait(child), 0);
    const Key device = Key::LocalMachine().Open(
        "SOFTWARE\\Tessaform\\PB\\DTMs\\E15\\Kelvane / 40 / PA / V1.00.00...V1.00.01",
        Access::Read);
    ASSERT_TRUE(device.IsOpen());
    // The store lists values in the order they were first written.
    EXPECT_EQ(device.ValueNames(),
              (std::vector<std::string>{"DLLPATH", "Description", "TechnicalDescription",
                                        "BottomBarStyle", "WriteNotAvailableVariablesToDevice"}));
}

TEST_F(RegistryStoreTest, ProcessesWritingAtOnceAllKeepTheirKeys) {
    constexpr int kWriters = 3;
    constexpr int kKeysEach = 25;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        children.push_back(Spawn([writer] {
            const Key root = Key::LocalMachine();
            for (int i = 0; i < kKeysEach; ++i) {
                const Key key = root.Create("SOFTWARE\\Race\\W" + std::to_string(writer) + "\\K" +
                                            std::to_string(i));
                key.SetValue("N", platform::registry::kDWord, &i, sizeof i);
            }
        }));
    }
    for (const pid_t child : children) ASSERT_EQ(Wait(child), 0);
    const Key race = Key::LocalMachine().Open("SOFTWARE\\Race", Access::Read);
    ASSERT_EQ(race.SubKeyNames().size(), static_cast<std::size_t>(kWriters));
    for (int writer = 0; writer < kWriters; ++writer) {
        const Key keys = race.Open("W" + std::to_string(writer), Access::Read);
        EXPECT_EQ(keys.SubKeyNames().size(), static_cast<std::size_t>(kKeysEach));
        for (int i = 0; i < kKeysEach; ++i)
            EXPECT_TRUE(keys.Open("K" + std::to_string(i), Access::Read).QueryValue("N"));
    }
}

TEST_F(RegistryStoreTest, AWriterKilledMidwayLeavesAWholeStore) {
    // Large values make each write long enough to be cut into.
    const Value bulk{3, std::vector<std::uint8_t>(1 << 15, 0x5A)};
    for (int round = 0; round < 4; ++round) {
        const std::string path = "SOFTWARE\\Bulk" + std::to_string(round);
        ASSERT_TRUE(Key::LocalMachine().Create(path).IsOpen());
        const pid_t child = Spawn([&] {
            const Key key = Key::LocalMachine().Open(path, Access::Write);
            for (int i = 0;; ++i)
                key.SetValue("V" + std::to_string(i), bulk.type, bulk.data.data(),
                             bulk.data.size());
        });
        // Readers meanwhile only ever see whole stores.
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(30 + 20 * round);
        while (std::chrono::steady_clock::now() < until) {
            const Key key = Key::LocalMachine().Open(path, Access::Read);
            ASSERT_TRUE(key.IsOpen());
            ASSERT_TRUE(IsGaplessRun(key.ValueNames()));
        }
        kill(child, SIGKILL);
        Wait(child);
        const Key key = Key::LocalMachine().Open(path, Access::Read);
        ASSERT_TRUE(key.IsOpen()) << "round " << round;
        const auto names = key.ValueNames();
        EXPECT_TRUE(IsGaplessRun(names));
        for (const auto& name : names) EXPECT_EQ(key.QueryValue(name), bulk);
    }
}

TEST_F(RegistryStoreTest, LeavesAStoreItCannotReadAlone) {
    std::filesystem::create_directories(directory.path() / "state");
    std::ofstream(StorePath(), std::ios::binary) << "not a registry\n";
    EXPECT_FALSE(Key::LocalMachine().IsOpen());
    const platform::Module plugin(DD_PLUGIN_PATH);
    EXPECT_EQ(plugin.Export<PFN_DllRegisterServer>("DllRegisterServer")(), 0);
    EXPECT_EQ(StoreText(), "not a registry\n");
}

TEST_F(RegistryStoreTest, KeepsAnyBytesInNamesAndData) {
    const std::string keyName = "Key [with] \"odd\" = %41 \xE4\xB3\t";
    const std::string valueName = "Value\nwith \"quotes\" and %";
    std::vector<std::uint8_t> data;
    for (int byte = 0; byte < 256; ++byte) data.push_back(static_cast<std::uint8_t>(byte));
    const Key created = Key::LocalMachine().Create("SOFTWARE\\" + keyName);
    ASSERT_TRUE(created.SetValue(valueName, 3, data.data(), data.size()));
    ASSERT_TRUE(created.SetValue("", 1, "", 1));

    const Key read = Key::LocalMachine().Open("SOFTWARE", Access::Read);
    EXPECT_EQ(read.SubKeyNames(), std::vector<std::string>{keyName});
    const Key key = read.Open(keyName, Access::Read);
    EXPECT_EQ(key.ValueNames(), (std::vector<std::string>{valueName, ""}));
    EXPECT_EQ(key.QueryValue(valueName), (Value{3, data}));
    EXPECT_EQ(key.QueryValue(""), (Value{1, {0}}));
}

TEST_F(RegistryStoreTest, NamesKeysAndValuesWithoutRegardToLetterCase) {
    const Key created = Key::LocalMachine().Create("SOFTWARE\\Maker\\Device");
    ASSERT_TRUE(created.SetValue("Name", 1, "a", 2));
    const Key opened = Key::LocalMachine().Open("software\\MAKER\\device", Access::Write);
    ASSERT_TRUE(opened.IsOpen());
    ASSERT_TRUE(opened.SetValue("NAME", 1, "b", 2));
    EXPECT_EQ(created.ValueNames(), std::vector<std::string>{"Name"});
    EXPECT_EQ(created.QueryValue("name"), (Value{1, {'b', 0}}));
    // Created again in other letters, a key keeps its first spelling.
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\MAKER").IsOpen());
    EXPECT_EQ(Key::LocalMachine().Open("SOFTWARE", Access::Read).SubKeyNames(),
              std::vector<std::string>{"Maker"});
}

TEST_F(RegistryStoreTest, DeletesOnlyKeysWithoutSubkeys) {
    const Key root = Key::LocalMachine();
    ASSERT_TRUE(root.Create("SOFTWARE\\A\\B").IsOpen());
    EXPECT_FALSE(root.DeleteSubKey("SOFTWARE\\A"));
    EXPECT_FALSE(root.DeleteSubKey("SOFTWARE\\Missing"));
    EXPECT_TRUE(root.DeleteSubKey("SOFTWARE\\A\\B"));
    EXPECT_TRUE(root.DeleteSubKey("SOFTWARE\\A"));
    EXPECT_FALSE(root.Open("SOFTWARE\\A", Access::Read).IsOpen());
    // A key deleted under an open handle takes no more values.
    const Key gone = root.Create("SOFTWARE\\Gone");
    EXPECT_TRUE(root.DeleteSubKey("SOFTWARE\\Gone"));
    EXPECT_FALSE(gone.SetValue("x", 1, "", 1));
    EXPECT_FALSE(root.Create("SOFTWARE\\\\Empty").IsOpen());
    EXPECT_FALSE(root.Create(std::string(256, 'k')).IsOpen());
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
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\X").IsOpen());
    EXPECT_TRUE(std::filesystem::exists(home + "/.local/state/ddplugin/registry"));

    const std::string state = (directory.path() / "state").string();
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    EXPECT_FALSE(Key::LocalMachine().Open("SOFTWARE\\X", Access::Read).IsOpen());
    ASSERT_TRUE(Key::LocalMachine().Create("SOFTWARE\\Y").IsOpen());
    EXPECT_TRUE(std::filesystem::exists(state + "/ddplugin/registry"));
}

}  // namespace
