#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/module.h"
#include "support/module_paths.h"
#include "support/temporary_directory.h"

namespace {

namespace fs = std::filesystem;

// The module paths that a module opened from `file` works out at load.
Paths LoadedModulePaths(const std::string& file) {
    const platform::Module plugin(file);
    EXPECT_TRUE(plugin.IsOpen()) << file;
    if (!plugin.IsOpen()) return {};
    return ModulePaths(plugin);
}

std::string CopyOfPlugin(const fs::path& directory) {
    fs::create_directories(directory);
    const fs::path copy = directory / fs::path(DD_PLUGIN_PATH).filename();
    fs::copy_file(DD_PLUGIN_PATH, copy);
    return copy.string();
}

TEST(ModuleLoad, WorksOutTheModulesOwnPath) {
    const Paths paths = LoadedModulePaths(DD_PLUGIN_PATH);
    EXPECT_EQ(paths.path, DD_PLUGIN_PATH);
    EXPECT_EQ(paths.base, fs::path(DD_PLUGIN_PATH).replace_extension().string());
}

TEST(ModuleLoad, CutsTheBasePathAtTheExtensionBehindDottedDirectories) {
    const TemporaryDirectory directory;
    const std::string copy = CopyOfPlugin(directory.path() / "A.B" / "v1.0");
    const Paths paths = LoadedModulePaths(copy);
    EXPECT_EQ(paths.path, copy);
    EXPECT_EQ(paths.base, copy.substr(0, copy.size() - 3));
}

TEST(ModuleLoad, TakesAPathFarLongerThanTheSystemsShortBuffers) {
    const TemporaryDirectory directory;
    fs::path deep = directory.path();
    for (int level = 0; level < 8; ++level) deep /= std::string(60, static_cast<char>('a' + level));
    const std::string copy = CopyOfPlugin(deep);
    ASSERT_GT(copy.size(), 480u);
    const Paths paths = LoadedModulePaths(copy);
    EXPECT_EQ(paths.path, copy);
    EXPECT_EQ(paths.base, copy.substr(0, copy.size() - 3));
}

TEST(ModuleLoad, CompletesARelativeNameFromTheWorkingDirectory) {
    const TemporaryDirectory directory;
    const std::string copy = CopyOfPlugin(directory.path() / "sub");
    const fs::path before = fs::current_path();
    fs::current_path(directory.path());
    const Paths paths = LoadedModulePaths("./sub/" + fs::path(copy).filename().string());
    fs::current_path(before);
    EXPECT_EQ(paths.path,
              directory.path().string() + "/./sub/" + fs::path(copy).filename().string());
}

}  // namespace
