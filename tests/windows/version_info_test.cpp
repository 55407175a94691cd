#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/module.h"

namespace {

class VersionInfoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.IsOpen());
        char file[MAX_PATH] = {};
        GetModuleFileNameA(static_cast<HMODULE>(plugin.handle()), file, MAX_PATH);
        DWORD ignored = 0;
        block.resize(GetFileVersionInfoSizeA(file, &ignored));
        ASSERT_FALSE(block.empty());
        ASSERT_TRUE(GetFileVersionInfoA(file, 0, static_cast<DWORD>(block.size()), block.data()));
    }

    // The value at `path`; null when the block has none.
    const void* Query(const char* path) {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueA(block.data(), path, &value, &length) ? value : nullptr;
    }

    const platform::Module plugin{DD_PLUGIN_PATH};
    std::vector<char> block;
};

TEST_F(VersionInfoTest, GivesTheFileVersion) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query("\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 5);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 153);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 348);
}

TEST_F(VersionInfoTest, MarksTheModuleAsSelfRegistering) {
    EXPECT_NE(Query("\\StringFileInfo\\040704b0\\OLESelfRegister"), nullptr);
    EXPECT_EQ(Query("\\StringFileInfo\\040704b0\\NoSuchEntry"), nullptr);
}

}  // namespace
