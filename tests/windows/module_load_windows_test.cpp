#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "platform/module.h"
#include "support/module_paths.h"
#include "support/temporary_directory.h"

namespace {

namespace fs = std::filesystem;

std::string LongPath(const std::string& path) {
    std::string buffer(32768, '\0');
    buffer.resize(GetLongPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())));
    return buffer;
}

std::string ShortPath(const std::string& path) {
    std::string buffer(32768, '\0');
    buffer.resize(
        GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())));
    return buffer;
}

std::string WithoutExtension(const std::string& path) { return path.substr(0, path.rfind('.')); }

std::string FileName(const platform::Module& module) {
    char file[MAX_PATH] = {};
    GetModuleFileNameA(static_cast<HMODULE>(module.handle()), file, MAX_PATH);
    return file;
}

// A copy of the plug-in, in a directory with a long name, under a long name of its own.
std::string CopyOfPlugin(const fs::path& directory) {
    fs::create_directories(directory);
    const fs::path copy = directory / "Device Plugin Module.dll";
    fs::copy_file(FileName(platform::Module(DD_PLUGIN_PATH)), copy);
    return copy.string();
}

TEST(WindowsModuleLoad, GivesTheModulePathAsTheSystemStoresIt) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    ASSERT_TRUE(plugin.IsOpen());
    const Paths paths = ModulePaths(plugin);
    EXPECT_EQ(paths.path, LongPath(FileName(plugin)));
    EXPECT_EQ(paths.base, WithoutExtension(paths.path));
}

TEST(WindowsModuleLoad, TurnsAShortLowerCasePathIntoTheStoredOne) {
    const TemporaryDirectory directory;
    const std::string copy = LongPath(CopyOfPlugin(directory.path() / "Device Plugins Folder"));
    std::string asked = ShortPath(copy);
    ASSERT_NE(asked.find('~'), std::string::npos) << asked;
    // All but the drive, which is taken as it comes.
    std::transform(asked.begin() + 2, asked.end(), asked.begin() + 2, [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    const platform::Module plugin(asked);
    ASSERT_TRUE(plugin.IsOpen()) << asked;
    const Paths paths = ModulePaths(plugin);
    EXPECT_EQ(paths.path, copy);
    EXPECT_EQ(paths.base, WithoutExtension(copy));
}

TEST(WindowsModuleLoad, TakesAPathLongerThan260Characters) {
    const TemporaryDirectory directory;
    fs::path deep = directory.path();
    for (int level = 0; level < 6; ++level) deep /= std::string(50, static_cast<char>('a' + level));
    const std::string copy = CopyOfPlugin(deep);
    ASSERT_GT(copy.size(), 300u);
    const platform::Module plugin(copy);
    ASSERT_TRUE(plugin.IsOpen()) << copy;
    // The system's lookup of a component fails on a prefix this long, so the name comes back
    // as the system gave it: whole, not cut at 260 characters.
    const Paths paths = ModulePaths(plugin);
    EXPECT_EQ(paths.path, copy);
    EXPECT_EQ(paths.base, WithoutExtension(copy));
}

}  // namespace
