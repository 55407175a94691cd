#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/module.h"

namespace platform {

// Resource types, with the system's numbers.
namespace resource_type {
inline constexpr std::uint16_t kBitmap = 2;
inline constexpr std::uint16_t kIcon = 3;
inline constexpr std::uint16_t kString = 6;
inline constexpr std::uint16_t kGroupIcon = 14;
inline constexpr std::uint16_t kVersion = 16;
}  // namespace resource_type

struct Resource {
    std::uint16_t type = 0;
    std::uint16_t id = 0;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
};

// Every resource with a numeric type and id in a compiled resource image (the .res format that
// resource compilers write), in the image's order. An image cut short yields what precedes
// the cut.
std::vector<Resource> ParseResourceImage(std::span<const std::uint8_t> image);

// The resource of a loaded module with that type and id, in whatever language it has.
std::optional<Resource> FindModuleResource(LoadedModule module, std::uint16_t type,
                                           std::uint16_t id);

// String `id` of the module's string table as stored, in UTF-16 code units.
std::optional<std::u16string> LoadModuleString(LoadedModule module, std::uint16_t id);

// A module built for Linux hands over its resource image through this export.
inline constexpr char kResourceImageExport[] = "DDResourceImage";
using ResourceImageFunction = const std::uint8_t* (*)(std::size_t* size);

}  // namespace platform
