#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/module.h"

namespace {

// The loaded module's image: its headers and the directories they point to.
class ModuleImage {
  public:
    explicit ModuleImage(platform::LoadedModule module)
        : m_base(static_cast<const BYTE*>(module)) {}

    template <typename T>
    const T* At(DWORD offset) const {
        return reinterpret_cast<const T*>(m_base + offset);
    }
    const IMAGE_DATA_DIRECTORY& Directory(int entry) const {
        const auto* dos = At<IMAGE_DOS_HEADER>(0);
        return At<IMAGE_NT_HEADERS32>(static_cast<DWORD>(dos->e_lfanew))
            ->OptionalHeader.DataDirectory[entry];
    }

  private:
    const BYTE* m_base;
};

const std::pair<WORD, const char*> kExports[] = {{3, "DllRegisterServer"},
                                                 {4, "DllUnregisterServer"},
                                                 {5, "GetAttributeCalcDataCategory"},
                                                 {6, "GetAttributeCalculation"},
                                                 {7, "GetInformation"}};

TEST(Exports, AreFoundByNameAndByOrdinal) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    ASSERT_TRUE(plugin.IsOpen());
    const auto handle = static_cast<HMODULE>(plugin.handle());
    for (const auto& [ordinal, name] : kExports) {
        const FARPROC byName = GetProcAddress(handle, name);
        EXPECT_NE(byName, nullptr) << name;
        EXPECT_EQ(GetProcAddress(handle, MAKEINTRESOURCEA(ordinal)), byName) << name;
    }
}

TEST(Exports, TableNamesTheModuleAndHoldsTheFiveOnly) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    const ModuleImage image(plugin.handle());
    const auto* table = image.At<IMAGE_EXPORT_DIRECTORY>(
        image.Directory(IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
    EXPECT_STREQ(image.At<char>(table->Name), "TSFQYPB15100101.dll");
    EXPECT_EQ(table->Base, 3u);
    EXPECT_EQ(table->NumberOfFunctions, 5u);
    ASSERT_EQ(table->NumberOfNames, 5u);
    const auto* names = image.At<DWORD>(table->AddressOfNames);
    const auto* ordinals = image.At<WORD>(table->AddressOfNameOrdinals);
    std::vector<std::pair<WORD, std::string>> found;
    for (DWORD i = 0; i < table->NumberOfNames; ++i)
        found.emplace_back(static_cast<WORD>(table->Base + ordinals[i]), image.At<char>(names[i]));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::pair<WORD, std::string>>(std::begin(kExports),
                                                                std::end(kExports))));
}

// Beside Windows, the module needs the object-model library and the toolchain's C++ runtime,
// which ship with it.
TEST(Exports, ModuleNeedsNothingBesideWindowsTheObjectModelLibraryAndTheRuntime) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    const ModuleImage image(plugin.handle());
    char system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    std::vector<std::string> shipped;
    for (const auto* import = image.At<IMAGE_IMPORT_DESCRIPTOR>(
             image.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
         import->Name != 0; ++import) {
        const std::string name = image.At<char>(import->Name);
        if (!std::filesystem::exists(std::filesystem::path(system) / name)) shipped.push_back(name);
    }
    std::sort(shipped.begin(), shipped.end());
    EXPECT_EQ(shipped, (std::vector<std::string>{"ZOVIRI15VizOduROV.dll", "libgcc_s_dw2-1.dll",
                                                 "libstdc++-6.dll"}));
}

}  // namespace
