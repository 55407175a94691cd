#include "platform/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/exports.h"
#include "interfaces/self_registration.h"
#include "platform/module.h"
#include "support/registry_snapshot.h"
#include "support/temporary_directory.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>

#include <fstream>
#endif

namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Outcome;
using platform::registry::Value;

constexpr char kDevicesKey[] = "SOFTWARE\\Tessaform\\PB\\DTMs";
constexpr char kPluginsKey[] = "SOFTWARE\\Tessaform\\PB\\DTMs\\E15";
constexpr char kDeviceName[] = "Kelvane / 40 / PA / V1.00.00...V1.00.01";

Value StringValue(const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return {platform::registry::kString, {bytes, bytes + text.size() + 1}};
}

Value DWordValue(std::uint8_t low) { return {platform::registry::kDWord, {low, 0, 0, 0}}; }

// Each test starts without the plug-ins' keys: in a store of its own where the registry is a
// stand-in, in the system's registry otherwise.
class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
#if !defined(_WIN32)
        setenv("DD_REGISTRY_FILE", (directory.path() / "registry").c_str(), 1);
#endif
        const Key devices = Root().Open(kDevicesKey, Access::Write);
        devices.DeleteSubKey(std::string("E15\\") + kDeviceName);
        devices.DeleteSubKey("E15");
        ASSERT_FALSE(Root().Open(kPluginsKey, Access::Read).IsOpen());
    }

    static Key Root() { return Key::LocalMachine(); }

    std::int32_t Register() const {
        return plugin.Export<PFN_DllRegisterServer>("DllRegisterServer")();
    }
    std::int32_t Unregister() const {
        return plugin.Export<PFN_DllUnregisterServer>("DllUnregisterServer")();
    }
    std::string ModulePath() const {
        const std::unique_ptr<CInformation> info(
            plugin.Export<PFN_GetInformation>("GetInformation")());
        return info->GetModulePath().ptr();
    }

    const TemporaryDirectory directory;
    const platform::Module plugin{DD_PLUGIN_PATH};
};

TEST_F(RegistryTest, RegisteringTwiceLeavesOneKeyWithItsFiveValues) {
    EXPECT_EQ(Register(), 0);
    EXPECT_EQ(Register(), 0);
    const Key plugins = Root().Open(kPluginsKey, Access::Read);
    EXPECT_EQ(plugins.SubKeyNames(), std::vector<std::string>{kDeviceName});
    const Key device = plugins.Open(kDeviceName, Access::Read);
    ASSERT_TRUE(device.IsOpen());
    EXPECT_TRUE(device.SubKeyNames().empty());
    // In whatever order the registry lists them.
    std::vector<std::string> names = device.ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"BottomBarStyle", "DLLPATH", "Description",
                                               "TechnicalDescription",
                                               "WriteNotAvailableVariablesToDevice"}));
    // String lengths count the terminating zero.
    const std::string path = ModulePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(device.QueryValue("DLLPATH"), StringValue(path));
    EXPECT_EQ(device.QueryValue("DLLPATH")->data.size(), path.size() + 1);
    EXPECT_EQ(device.QueryValue("Description"), StringValue("Flow (Vortex Counter)"));
    EXPECT_EQ(device.QueryValue("Description")->data.size(), 22u);
    EXPECT_EQ(device.QueryValue("TechnicalDescription"), StringValue("1:17;5392,1,1"));
    EXPECT_EQ(device.QueryValue("TechnicalDescription")->data.size(), 14u);
    EXPECT_EQ(device.QueryValue("BottomBarStyle"), DWordValue(1));
    EXPECT_EQ(device.QueryValue("WriteNotAvailableVariablesToDevice"), DWordValue(1));
    // All of them in one reading, found by name in any letter case.
    const platform::registry::KeyValues read = plugins.ReadValues(kDeviceName);
    EXPECT_EQ(read.outcome, Outcome::Done);
    EXPECT_EQ(read.values.size(), 5u);
    ASSERT_NE(read.Find("dllpath"), nullptr);
    EXPECT_EQ(*read.Find("dllpath"), StringValue(path));
    EXPECT_EQ(plugins.ReadValues("Other Device").outcome, Outcome::Missing);
}

TEST_F(RegistryTest, UnregisteringWithoutTheKeysChangesNothing) {
    const std::string before = RegistrySnapshot("SOFTWARE\\Tessaform");
    EXPECT_EQ(Unregister(), 0);
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Tessaform"), before);

    // Another device's plug-in under the same key is left alone.
    Key other = Root().Create(std::string(kPluginsKey) + "\\Other Device");
    ASSERT_TRUE(other.SetValue("DLLPATH", platform::registry::kString, "x", 2));
    ASSERT_TRUE(other.Close());
    const std::string withOther = RegistrySnapshot("SOFTWARE\\Tessaform");
    EXPECT_EQ(Unregister(), 0);
    EXPECT_EQ(RegistrySnapshot("SOFTWARE\\Tessaform"), withOther);
    Root().Open(kPluginsKey, Access::Write).DeleteSubKey("Other Device");
}

TEST_F(RegistryTest, UnregisteringRemovesOnlyTheDevicesKey) {
    EXPECT_EQ(Register(), 0);
    ASSERT_TRUE(Root().Open(std::string(kPluginsKey) + "\\" + kDeviceName, Access::Read).IsOpen());
    EXPECT_EQ(Unregister(), 0);
    const Key plugins = Root().Open(kPluginsKey, Access::Read);
    ASSERT_TRUE(plugins.IsOpen());
    EXPECT_TRUE(plugins.SubKeyNames().empty());
    EXPECT_TRUE(plugins.ValueNames().empty());
}

// Where the device's key cannot be created: below a key that must stay volatile on Windows, in
// a store that may not be written elsewhere.
void BarTheDevicesKey([[maybe_unused]] const TemporaryDirectory& directory) {
#if defined(_WIN32)
    HKEY plugins = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPluginsKey, 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_WRITE, nullptr, &plugins, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(plugins);
#else
    const std::string store = (directory.path() / "registry").string();
    std::ofstream(store) << "REGEDIT4\n";
    ASSERT_EQ(chmod(store.c_str(), 0444), 0);
#endif
}

// A value refused abandons its key, as registering does; the reason stays through the closing of
// that key and the others, for the export to hand on.
TEST_F(RegistryTest, AKeyAbandonedOnARefusedValueKeepsTheReason) {
    ASSERT_TRUE(Root().Create(kPluginsKey).Close());
    platform::registry::ForgetFailure();
    {
        Key readOnly = Root().Open(kPluginsKey, Access::Read);
        EXPECT_FALSE(readOnly.SetValue("Name", platform::registry::kString, "x", 2));
        readOnly.Abandon();
        EXPECT_FALSE(readOnly.IsOpen());
    }
    platform::registry::PassOnFailure();
#if defined(_WIN32)
    EXPECT_EQ(platform::registry::LastFailure(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
#else
    EXPECT_EQ(platform::registry::LastFailure(), EBADF);
#endif
    EXPECT_FALSE(Root().Open(kPluginsKey, Access::Read).QueryValue("Name"));
}

TEST_F(RegistryTest, RegisteringWhereTheKeyCannotBeCreatedFails) {
    BarTheDevicesKey(directory);
    EXPECT_EQ(Register(), kSelfRegistrationFailed);
    // The reason is left as the system's last error, for a host to put in words; on Windows the
    // keys closed and the memory freed after the failure leave it as it was.
    const platform::registry::Reason failure = platform::registry::LastFailure();
    const std::string reason = platform::registry::FailureText(failure, "the device's key");
#if defined(_WIN32)
    EXPECT_EQ(failure, static_cast<DWORD>(ERROR_CHILD_MUST_BE_VOLATILE));
    EXPECT_NE(reason.find(" (system error " + std::to_string(ERROR_CHILD_MUST_BE_VOLATILE) + ")"),
              std::string::npos)
        << reason;
#else
    EXPECT_EQ(reason, "registry file " + (directory.path() / "registry").string() +
                          ": read-only for this user");
#endif
    EXPECT_FALSE(Root().Open(std::string(kPluginsKey) + "\\" + kDeviceName, Access::Read).IsOpen());
    // Nothing to remove is no failure.
    EXPECT_EQ(Unregister(), 0);
}

}  // namespace
