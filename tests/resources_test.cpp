#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/exports.h"
#include "platform/module.h"

namespace {

namespace type = platform::resource_type;
using Bytes = std::span<const std::uint8_t>;

std::uint32_t Read(Bytes bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}
std::uint16_t Word(Bytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(Read(bytes, at, 2));
}
std::uint32_t DoubleWord(Bytes bytes, std::size_t at) { return Read(bytes, at, 4); }

// One block of a version resource: its key, its value and the blocks inside it.
struct VersionBlock {
    std::u16string key;
    Bytes value;
    std::vector<VersionBlock> children;

    const VersionBlock* Child(const std::u16string& name) const {
        for (const auto& child : children) {
            if (child.key == name) return &child;
        }
        return nullptr;
    }
    // A text value without its terminating zero.
    std::u16string Text() const {
        std::u16string text;
        for (std::size_t at = 0; at + 1 < value.size() && Word(value, at) != 0; at += 2)
            text += static_cast<char16_t>(Word(value, at));
        return text;
    }
};

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// Each block: length, value length (in characters for text), type (1 text, 0 binary), key,
// padding, value, padding, children. Offsets are aligned from the start of the resource.
VersionBlock ParseVersionBlock(Bytes resource, std::size_t start) {
    VersionBlock block;
    const std::size_t end = start + Word(resource, start);
    const std::size_t valueLength = Word(resource, start + 2);
    const bool text = Word(resource, start + 4) == 1;
    std::size_t at = start + 6;
    for (; Word(resource, at) != 0; at += 2) block.key += static_cast<char16_t>(Word(resource, at));
    at = Aligned(at + 2);
    const std::size_t valueSize = text ? valueLength * 2 : valueLength;
    block.value = resource.subspan(at, valueSize);
    for (at = Aligned(at + valueSize); at < end; at = Aligned(at + Word(resource, at)))
        block.children.push_back(ParseVersionBlock(resource, at));
    return block;
}

struct BitmapHeader {
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t coloursUsed;
};

BitmapHeader ReadBitmapHeader(Bytes bytes) {
    EXPECT_EQ(DoubleWord(bytes, 0), 40u);
    return {static_cast<std::int32_t>(DoubleWord(bytes, 4)),
            static_cast<std::int32_t>(DoubleWord(bytes, 8)),
            Word(bytes, 12),
            Word(bytes, 14),
            DoubleWord(bytes, 16),
            DoubleWord(bytes, 32)};
}

class ResourcesTest : public ::testing::Test {
  protected:
    std::optional<platform::Resource> Find(std::uint16_t resourceType, std::uint16_t id) const {
        return platform::FindModuleResource(plugin.handle(), resourceType, id);
    }

    const platform::Module plugin{DD_PLUGIN_PATH};
};

TEST_F(ResourcesTest, HoldsTheIconWithItsOneImage) {
    const auto group = Find(type::kGroupIcon, 102);
    ASSERT_TRUE(group);
    ASSERT_EQ(group->data.size(), 20u);
    EXPECT_EQ(Word(group->data, 2), 1);  // icons
    EXPECT_EQ(Word(group->data, 4), 1);  // images
    EXPECT_EQ(group->data[6], 16);       // width
    EXPECT_EQ(group->data[7], 16);       // height
    EXPECT_EQ(group->data[8], 0);        // 256 colours
    EXPECT_EQ(Word(group->data, 12), 8);
    EXPECT_EQ(DoubleWord(group->data, 14), 1384u);
    EXPECT_EQ(Word(group->data, 18), 1);  // image id

    const auto image = Find(type::kIcon, 1);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->data.size(), 1384u);
    const BitmapHeader header = ReadBitmapHeader(image->data);
    EXPECT_EQ(header.width, 16);
    EXPECT_EQ(header.height, 32);  // colours and mask
    EXPECT_EQ(header.bitCount, 8);
}

TEST_F(ResourcesTest, HoldsTheLogoAndTheDevicePicture) {
    const struct {
        std::uint16_t id;
        std::int32_t height;
        std::size_t size;
    } bitmaps[] = {{103, 147, 19880}, {104, 189, 25256}};
    for (const auto& expected : bitmaps) {
        const auto bitmap = Find(type::kBitmap, expected.id);
        ASSERT_TRUE(bitmap) << expected.id;
        EXPECT_EQ(bitmap->data.size(), expected.size);
        const BitmapHeader header = ReadBitmapHeader(bitmap->data);
        EXPECT_EQ(header.width, 128);
        EXPECT_EQ(header.height, expected.height);
        EXPECT_EQ(header.planes, 1);
        EXPECT_EQ(header.bitCount, 8);
        EXPECT_EQ(header.compression, 0u);
        EXPECT_EQ(header.coloursUsed, 256u);
    }
}

TEST_F(ResourcesTest, HoldsTheVendorNameAsItsOnlyString) {
    EXPECT_EQ(platform::LoadModuleString(plugin.handle(), 1000), u"QUENNERBY");
    for (const std::uint16_t id : {992, 999, 1001, 1007, 101})
        EXPECT_EQ(platform::LoadModuleString(plugin.handle(), id), std::nullopt) << id;
}

TEST_F(ResourcesTest, HoldsNothingWithId101) {
    for (const std::uint16_t resourceType :
         {type::kBitmap, type::kIcon, type::kString, type::kGroupIcon, type::kVersion})
        EXPECT_FALSE(Find(resourceType, 101)) << resourceType;
}

TEST_F(ResourcesTest, AreAllGerman) {
    const std::pair<std::uint16_t, std::uint16_t> all[] = {
        {type::kGroupIcon, 102}, {type::kIcon, 1},    {type::kBitmap, 103},
        {type::kBitmap, 104},    {type::kString, 63}, {type::kVersion, 1}};
    for (const auto& [resourceType, id] : all) {
        const auto resource = Find(resourceType, id);
        ASSERT_TRUE(resource) << resourceType << "/" << id;
        EXPECT_EQ(resource->language, 0x0407) << resourceType << "/" << id;
    }
}

TEST_F(ResourcesTest, DescribeTheModuleInTheVersionBlock) {
    const auto resource = Find(type::kVersion, 1);
    ASSERT_TRUE(resource);
    const VersionBlock root = ParseVersionBlock(resource->data, 0);
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");
    const Bytes fixed = root.value;
    ASSERT_EQ(fixed.size(), 52u);
    EXPECT_EQ(DoubleWord(fixed, 0), 0xFEEF04BDu);
    const std::uint32_t fileVersion[] = {DoubleWord(fixed, 8), DoubleWord(fixed, 12)};
    EXPECT_EQ(fileVersion[0], (1u << 16) | 5u);
    EXPECT_EQ(fileVersion[1], (153u << 16) | 348u);
    EXPECT_EQ(DoubleWord(fixed, 16), fileVersion[0]);  // product version
    EXPECT_EQ(DoubleWord(fixed, 20), fileVersion[1]);
    EXPECT_EQ(DoubleWord(fixed, 24), 0x3Fu);     // flags mask
    EXPECT_EQ(DoubleWord(fixed, 28), 0u);        // flags
    EXPECT_EQ(DoubleWord(fixed, 32), 0x40004u);  // 32-bit Windows on NT
    EXPECT_EQ(DoubleWord(fixed, 36), 2u);        // a DLL
    EXPECT_EQ(DoubleWord(fixed, 40), 0u);
    EXPECT_EQ(DoubleWord(fixed, 44), 0u);
    EXPECT_EQ(DoubleWord(fixed, 48), 0u);

    // The generator version that the information object gives is the file version.
    const std::unique_ptr<CInformation> info(plugin.Export<PFN_GetInformation>("GetInformation")());
    EXPECT_EQ(info->GetGeneratorVersion().ptr(), std::to_string(fileVersion[0] >> 16) + "." +
                                                     std::to_string(fileVersion[0] & 0xFFFF) + "." +
                                                     std::to_string(fileVersion[1] >> 16) + "." +
                                                     std::to_string(fileVersion[1] & 0xFFFF));

    const VersionBlock* strings = root.Child(u"StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionBlock& table = strings->children.front();
    EXPECT_EQ(table.key, u"040704b0");
    const std::vector<std::pair<std::u16string, std::u16string>> expected = {
        {u"Comments", u""},
        {u"CompanyName", u"QUENNERBY"},
        {u"FileDescription", u"TSFPBAttrCalc"},
        {u"FileVersion", u"1,5,153,348"},
        {u"InternalName", u"TSFQYPB15100101"},
        {u"LegalCopyright", u"Copyright (C) QUENNERBY. All rights reserved."},
        {u"LegalTrademarks", u""},
        {u"OriginalFilename", u"TSFQYPB15100101.dll"},
        {u"PrivateBuild", u""},
        {u"ProductName", u"Tessaform generated DTM"},
        {u"ProductVersion", u"1,5,153,348"},
        {u"SpecialBuild", u""},
        {u"OLESelfRegister", u""}};
    std::vector<std::pair<std::u16string, std::u16string>> entries;
    for (const auto& entry : table.children) entries.emplace_back(entry.key, entry.Text());
    EXPECT_EQ(entries, expected);

    const VersionBlock* variables = root.Child(u"VarFileInfo");
    ASSERT_NE(variables, nullptr);
    const VersionBlock* translation = variables->Child(u"Translation");
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4u);
    EXPECT_EQ(Word(translation->value, 0), 0x0407);
    EXPECT_EQ(Word(translation->value, 2), 0x04B0);
}

}  // namespace
