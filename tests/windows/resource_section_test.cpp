#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/module.h"
#include "platform/resources.h"

namespace {

// The image that Linux builds carry, compiled from the same .rc file.
const std::uint8_t kLinuxResourceImage[] = {
#include "resources/resource_image.inc"
};

constexpr WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

class ResourceSectionTest : public ::testing::Test {
  protected:
    const platform::Module plugin{DD_PLUGIN_PATH};
    const HMODULE module = static_cast<HMODULE>(plugin.handle());
};

TEST_F(ResourceSectionTest, LoadsIconBitmapsAndStringById) {
    EXPECT_NE(LoadIconA(module, MAKEINTRESOURCEA(102)), nullptr);
    const struct {
        WORD id;
        LONG height;
    } bitmaps[] = {{103, 147}, {104, 189}};
    for (const auto& expected : bitmaps) {
        const auto bitmap =
            static_cast<HBITMAP>(LoadBitmapA(module, MAKEINTRESOURCEA(expected.id)));
        ASSERT_NE(bitmap, nullptr) << expected.id;
        BITMAP info{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, 128);
        EXPECT_EQ(info.bmHeight, expected.height);
        DeleteObject(bitmap);
    }
    char text[64] = {};
    EXPECT_EQ(LoadStringA(module, 1000, text, sizeof text), 9);
    EXPECT_STREQ(text, "QUENNERBY");
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(14)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(103), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(104), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1000 / 16 + 1), MAKEINTRESOURCEA(6)), nullptr);
}

TEST_F(ResourceSectionTest, HasNothingWithId101) {
    EXPECT_EQ(LoadIconA(module, MAKEINTRESOURCEA(101)), nullptr);
    EXPECT_EQ(LoadBitmapA(module, MAKEINTRESOURCEA(101)), nullptr);
    char text[64] = {};
    EXPECT_EQ(LoadStringA(module, 101, text, sizeof text), 0);
    for (const WORD type : {2, 3, 6, 14, 16})
        EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(type)), nullptr)
            << type;
}

BOOL CALLBACK CountLanguage(HMODULE, LPCSTR, LPCSTR, WORD, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountNames(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR count) {
    EnumResourceLanguagesA(module, type, name, CountLanguage, count);
    return TRUE;
}
BOOL CALLBACK CountTypes(HMODULE module, LPSTR type, LONG_PTR count) {
    EnumResourceNamesA(module, type, CountNames, count);
    return TRUE;
}

TEST_F(ResourceSectionTest, HoldsTheSameResourcesAsTheLinuxImage) {
    const auto resources = platform::ParseResourceImage(kLinuxResourceImage);
    ASSERT_EQ(resources.size(), 6u);
    for (const platform::Resource& resource : resources) {
        EXPECT_EQ(resource.language, kGerman);
        const HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(resource.type),
                                            MAKEINTRESOURCEA(resource.id), resource.language);
        ASSERT_NE(found, nullptr) << resource.type << "/" << resource.id;
        const auto* bytes =
            static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
        const std::vector<std::uint8_t> inModule(bytes, bytes + SizeofResource(module, found));
        EXPECT_EQ(inModule, std::vector<std::uint8_t>(resource.data.begin(), resource.data.end()))
            << resource.type << "/" << resource.id;
    }
    int count = 0;
    EnumResourceTypesA(module, CountTypes, reinterpret_cast<LONG_PTR>(&count));
    EXPECT_EQ(count, static_cast<int>(resources.size()));
}

}  // namespace
