#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

#include "platform/module.h"
#include "platform/resources.h"

namespace {

namespace type = platform::resource_type;

std::span<const std::uint8_t> ResourceImage(const platform::Module& plugin) {
    const auto image =
        plugin.Export<platform::ResourceImageFunction>(platform::kResourceImageExport);
    if (image == nullptr) return {};
    std::size_t size = 0;
    const std::uint8_t* bytes = image(&size);
    return {bytes, size};
}

TEST(ResourceImage, HoldsExactlyTheModulesResources) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    std::vector<std::tuple<int, int, int, std::size_t>> found;
    for (const auto& resource : platform::ParseResourceImage(ResourceImage(plugin)))
        found.emplace_back(resource.type, resource.id, resource.language, resource.data.size());
    ASSERT_FALSE(found.empty());
    std::sort(found.begin(), found.end());
    const std::vector<std::tuple<int, int, int, std::size_t>> expected = {
        {type::kBitmap, 103, 0x0407, 19880},
        {type::kBitmap, 104, 0x0407, 25256},
        {type::kIcon, 1, 0x0407, 1384},
        {type::kString, 63, 0x0407, 50},
        {type::kGroupIcon, 102, 0x0407, 20},
        {type::kVersion, 1, 0x0407, std::get<3>(found.back())}};
    EXPECT_EQ(found, expected);
}

TEST(ResourceImage, StopsAtAnImageCutShort) {
    const platform::Module plugin(DD_PLUGIN_PATH);
    const auto image = ResourceImage(plugin);
    const std::size_t whole = platform::ParseResourceImage(image).size();
    std::size_t previous = 0;
    for (std::size_t cut = 0; cut <= image.size(); cut += 7) {
        // A copy of exactly the prefix, so that reading past it is caught.
        const std::vector<std::uint8_t> prefix(image.begin(), image.begin() + cut);
        const std::size_t parsed = platform::ParseResourceImage(prefix).size();
        EXPECT_GE(parsed, previous);
        EXPECT_LE(parsed, whole);
        previous = parsed;
    }
}

}  // namespace
