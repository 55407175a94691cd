#include "core/module_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/module.h"
#include "support/temporary_directory.h"

namespace {

// A made-up disk: the stored name of the last component of every path that exists. Records
// the paths it is asked about.
class FakeDisk {
  public:
    explicit FakeDisk(std::map<std::string, std::string> stored) : m_stored(std::move(stored)) {}

    OnDiskNameLookup Lookup() {
        return [this](const std::string& path) -> std::optional<std::string> {
            asked.push_back(path);
            const auto found = m_stored.find(path);
            if (found == m_stored.end()) return std::nullopt;
            return found->second;
        };
    }

    std::vector<std::string> asked;

  private:
    std::map<std::string, std::string> m_stored;
};

FakeDisk ProgramFilesDisk() {
    return FakeDisk({{"C:\\PROGRA~1", "Program Files"},
                     {"C:\\PROGRA~1\\DEVICE~1", "Device Plugins"},
                     {"C:\\PROGRA~1\\DEVICE~1\\PLUGIN.DLL", "Plugin.dll"},
                     {"C:\\program files", "Program Files"},
                     {"C:\\program files\\device plugins", "Device Plugins"},
                     {"C:\\program files\\device plugins\\plugin.dll", "Plugin.dll"}});
}

TEST(ModulePath, TurnsShortComponentsIntoTheirStoredForm) {
    FakeDisk disk = ProgramFilesDisk();
    EXPECT_EQ(LongModulePath("C:\\PROGRA~1\\DEVICE~1\\PLUGIN.DLL", '\\', disk.Lookup()),
              "C:\\Program Files\\Device Plugins\\Plugin.dll");
    // The drive is never looked up; each prefix once, in order.
    EXPECT_EQ(disk.asked, (std::vector<std::string>{"C:\\PROGRA~1", "C:\\PROGRA~1\\DEVICE~1",
                                                    "C:\\PROGRA~1\\DEVICE~1\\PLUGIN.DLL"}));
}

TEST(ModulePath, GivesLongComponentsTheirStoredLetterCase) {
    FakeDisk disk = ProgramFilesDisk();
    EXPECT_EQ(LongModulePath("C:\\program files\\device plugins\\plugin.dll", '\\', disk.Lookup()),
              "C:\\Program Files\\Device Plugins\\Plugin.dll");
}

TEST(ModulePath, GivesTheFileNameAsReturnedWhenALookupFails) {
    const std::string lastMissing = "C:\\PROGRA~1\\DEVICE~1\\OTHER.DLL";
    const std::string middleMissing = "C:\\PROGRA~1\\OTHERS~1\\PLUGIN.DLL";
    FakeDisk disk = ProgramFilesDisk();
    EXPECT_EQ(LongModulePath(lastMissing, '\\', disk.Lookup()), lastMissing);
    disk.asked.clear();
    EXPECT_EQ(LongModulePath(middleMissing, '\\', disk.Lookup()), middleMissing);
    // Nothing is looked up past the failure.
    EXPECT_EQ(disk.asked.size(), 2u);
}

TEST(ModulePath, TakesANameWithoutSeparatorAfterTheDriveWhole) {
    FakeDisk disk({});
    for (const std::string name : {"", "C", "C:", "C:Plugin.dll", "\\\\"})
        EXPECT_EQ(LongModulePath(name, '\\', disk.Lookup()), name);
    EXPECT_TRUE(disk.asked.empty());
}

TEST(ModulePath, UsesTheSeparatorItIsGiven) {
    FakeDisk disk({{"/usr/LIB", "lib"}, {"/usr/LIB/dd", "DD"}, {"/usr/LIB/dd/x.so", "x.so"}});
    EXPECT_EQ(LongModulePath("/usr/LIB/dd/x.so", '/', disk.Lookup()), "/usr/lib/DD/x.so");
    EXPECT_EQ(disk.asked.front(), "/usr/LIB");
}

TEST(ModulePath, HandlesAPathLongerThanTheSystemsShortBuffers) {
    // 40 components of 20 characters: far past 260 characters, and every one is looked up.
    std::string shortName = "C:";
    std::string longName = "C:";
    std::map<std::string, std::string> stored;
    for (int i = 0; i < 40; ++i) {
        const std::string component = "Directory Number " + std::to_string(100 + i);
        shortName += "\\DIRECT~" + std::to_string(i);
        longName += "\\" + component;
        stored[shortName] = component;
    }
    FakeDisk disk(stored);
    const std::string result = LongModulePath(shortName, '\\', disk.Lookup());
    EXPECT_EQ(result, longName);
    EXPECT_GT(result.size(), 260u * 3);
    EXPECT_EQ(disk.asked.size(), 40u);
}

TEST(ModuleBasePath, CutsAtTheLastDotOfTheWholePath) {
    EXPECT_STREQ(ModuleBasePath("C:\\A.B\\Plugin.dll").ptr(), "C:\\A.B\\Plugin");
    EXPECT_STREQ(ModuleBasePath("C:\\A.B\\Plugin").ptr(), "C:\\A");
    EXPECT_STREQ(ModuleBasePath("C:\\Plugin.tar.dll").ptr(), "C:\\Plugin.tar");
    EXPECT_STREQ(ModuleBasePath("C:\\A\\Plugin").ptr(), "C:\\A\\Plugin");
    EXPECT_STREQ(ModuleBasePath("").ptr(), "");
}

// The system's own lookup, on a directory tree made for the test.
class OnDiskNameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(directory.path() / "Device Plugins");
        std::ofstream(directory.path() / "Device Plugins" / "Plugin.DLL") << "module";
    }

    std::string Native(const std::filesystem::path& path) const {
        return (directory.path() / path).string();
    }

    const TemporaryDirectory directory;
    static constexpr char kSeparator = platform::kPathSeparator;
};

TEST_F(OnDiskNameTest, AnswersTheStoredNameWhateverTheLetterCase) {
    EXPECT_EQ(platform::OnDiskName(Native("Device Plugins")), "Device Plugins");
    EXPECT_EQ(platform::OnDiskName(Native("device PLUGINS")), "Device Plugins");
    EXPECT_EQ(platform::OnDiskName(Native("DEVICE PLUGINS") + kSeparator + "plugin.dll"),
              "Plugin.DLL");
}

TEST_F(OnDiskNameTest, FindsNothingThatIsNotThere) {
    EXPECT_EQ(platform::OnDiskName(Native("Device Plugs")), std::nullopt);
    EXPECT_EQ(platform::OnDiskName(Native("Missing") + kSeparator + "Plugin.DLL"), std::nullopt);
}

TEST_F(OnDiskNameTest, GivesTheModulePathInItsStoredForm) {
    const std::string asked = Native("device plugins") + kSeparator + "PLUGIN.dll";
    EXPECT_EQ(LongModulePath(asked, kSeparator, platform::OnDiskName),
              Native(std::filesystem::path("Device Plugins") / "Plugin.DLL"));
}

}  // namespace
