#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/module.h"
#include "support/module_paths.h"
#include "support/temporary_directory.h"

namespace {

namespace fs = std::filesystem;

// The module's file name, without directory.
const std::string kModuleFile = fs::path(DD_PLUGIN_PATH).filename().string();

// The module paths that a module opened from `file` works out at load.
Paths LoadedModulePaths(const std::string& file) {
    const platform::Module plugin(file);
    EXPECT_TRUE(plugin.IsOpen()) << file;
    if (!plugin.IsOpen()) return {};
    return ModulePaths(plugin);
}

std::string CopyOfPlugin(const fs::path& directory) {
    fs::create_directories(directory);
    const fs::path copy = directory / kModuleFile;
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

bool IsMapped(const std::string& file) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.size() >= file.size() &&
            line.compare(line.size() - file.size(), file.size(), file) == 0)
            return true;
    return false;
}

// A host that unloads the plug-in and loads a newer file at the same path must get the new
// code, so nothing may pin the module in memory.
TEST(ModuleLoad, UnloadsWholeAndLoadsAgain) {
    const TemporaryDirectory directory;
    const std::string copy = CopyOfPlugin(directory.path());
    for (int load = 0; load < 2; ++load) {
        {
            const platform::Module plugin(copy);
            ASSERT_TRUE(plugin.IsOpen());
            for (const char* entry :
                 {"DllRegisterServer", "DllUnregisterServer", "GetAttributeCalcDataCategory",
                  "GetAttributeCalculation", "GetInformation", "DDResourceImage"})
                EXPECT_NE(plugin.Symbol(entry), nullptr) << entry;
            EXPECT_TRUE(IsMapped(copy));
            EXPECT_EQ(ModulePaths(plugin).path, copy);
        }
        EXPECT_FALSE(IsMapped(copy)) << "load " << load;
    }
}

// Works in another directory while it exists.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const fs::path& directory) : m_before(fs::current_path()) {
        fs::current_path(directory);
    }
    ~WorkingDirectory() { fs::current_path(m_before); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    fs::path m_before;
};

// Each load opens a copy of its own: the system would hand a file already loaded back under
// the name of its first load.
TEST(ModuleLoad, GivesTheFullPathHoweverARelativeNameIsWritten) {
    // The working directory, the name as written from there, and where the copy lies.
    const struct {
        fs::path from;
        std::string name;
        fs::path copyIn;
    } loads[] = {
        {"top", "sub/" + kModuleFile, "top/sub"},
        {"top", "./sub/" + kModuleFile, "top/sub"},
        {"top", "sub//" + kModuleFile, "top/sub"},
        {"top", "./sub/x/.././/" + kModuleFile, "top/sub"},
        {"top", "../top/sub/" + kModuleFile, "top/sub"},
        {"top/sub/x", "../../" + kModuleFile, "top"},
    };
    for (const auto& load : loads) {
        const TemporaryDirectory directory;
        fs::create_directories(directory.path() / "top" / "sub" / "x");
        const std::string copy = CopyOfPlugin(directory.path() / load.copyIn);
        const WorkingDirectory there(directory.path() / load.from);
        const Paths paths = LoadedModulePaths(load.name);
        EXPECT_EQ(paths.path, copy) << load.name;
        EXPECT_EQ(paths.base, copy.substr(0, copy.size() - 3)) << load.name;
    }
}

TEST(ModuleLoad, KeepsSymbolicLinksUnlessAStepBackCrossesOne) {
    // top/link leads to top/a/b, and top/chain to top/link.
    const auto makeTree = [](const fs::path& top) {
        fs::create_directories(top / "a" / "b");
        fs::create_directory_symlink("a/b", top / "link");
        fs::create_directory_symlink("link", top / "chain");
        return CopyOfPlugin(top / "a" / "b");
    };
    const TemporaryDirectory through;
    makeTree(through.path());
    const std::string viaLink = (through.path() / "link" / kModuleFile).string();
    EXPECT_EQ(LoadedModulePaths(viaLink).path, viaLink);
    // Stepping back from a link steps back from where it leads, as the system did; through
    // each link of a chain.
    const TemporaryDirectory back;
    const std::string copy = makeTree(back.path());
    EXPECT_EQ(LoadedModulePaths((back.path() / "chain" / ".." / "b" / kModuleFile).string()).path,
              copy);
}

// The module path that a process of its own prints when it opens `name` with the library
// search path `searchPath`, from the working directory `directory`.
std::string PathFoundThroughSearchPath(const fs::path& directory, const std::string& searchPath,
                                       const std::string& name) {
    const std::string command = "cd '" + directory.string() + "' && LD_LIBRARY_PATH='" +
                                searchPath + "' '" DD_MODULE_PATH_PROBE "' '" + name + "'";
    std::unique_ptr<FILE, decltype(&pclose)> probe(popen(command.c_str(), "r"), &pclose);
    if (!probe) return "popen failed";
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, probe.get()) != nullptr) output += buffer;
    if (!output.empty() && output.back() == '\n') output.pop_back();
    return output;
}

TEST(ModuleLoad, GivesTheFullPathOfANameFoundThroughTheLibrarySearchPath) {
    const TemporaryDirectory directory;
    const fs::path& top = directory.path();
    const std::string copy = CopyOfPlugin(top / "lib");
    EXPECT_EQ(PathFoundThroughSearchPath(top / "lib", ".", kModuleFile), copy);
    EXPECT_EQ(PathFoundThroughSearchPath(top, "lib/../lib", kModuleFile), copy);
    // An empty entry stands for the working directory.
    EXPECT_EQ(PathFoundThroughSearchPath(top / "lib", ":", kModuleFile), copy);
    EXPECT_EQ(PathFoundThroughSearchPath(top, "/nowhere:" + top.string() + "//lib/./", kModuleFile),
              copy);
}

}  // namespace
