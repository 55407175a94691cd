#include "platform/resources.h"

namespace platform {
namespace {

// The string table keeps sixteen strings to a resource, each its length and its code units.
constexpr std::uint16_t kStringsPerBlock = 16;

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t DoubleWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Word(bytes, at)) |
           static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// A type or name field: 0xFFFF and a number, or a zero-terminated UTF-16 name. Moves `at`
// past the field; nothing for a name, or when the field runs past `end`.
std::optional<std::uint16_t> Ordinal(std::span<const std::uint8_t> bytes, std::size_t& at,
                                     std::size_t end) {
    if (at + 4 <= end && Word(bytes, at) == 0xFFFF) {
        const std::uint16_t ordinal = Word(bytes, at + 2);
        at += 4;
        return ordinal;
    }
    while (at + 2 <= end && Word(bytes, at) != 0) at += 2;
    at += 2;
    return std::nullopt;
}

}  // namespace

std::vector<Resource> ParseResourceImage(std::span<const std::uint8_t> image) {
    // Each entry: data size, header size, type, name, then (aligned) data version, memory
    // flags, language, version and characteristics; the data follows the header.
    constexpr std::size_t kFixedTail = 16;
    constexpr std::size_t kLanguageInTail = 6;
    std::vector<Resource> resources;
    std::size_t entry = 0;
    while (entry + 8 <= image.size()) {
        const std::size_t dataSize = DoubleWord(image, entry);
        const std::size_t headerSize = DoubleWord(image, entry + 4);
        if (headerSize < 8 + 8 + kFixedTail || headerSize > image.size() - entry ||
            dataSize > image.size() - entry - headerSize)
            break;
        std::size_t at = entry + 8;
        const std::size_t tail = entry + headerSize - kFixedTail;
        const auto type = Ordinal(image, at, tail);
        const auto id = Ordinal(image, at, tail);
        if (type && id && *type != 0 && Aligned(at - entry) + entry <= tail) {
            resources.push_back({*type, *id, Word(image, tail + kLanguageInTail),
                                 image.subspan(entry + headerSize, dataSize)});
        }
        entry = Aligned(entry + headerSize + dataSize);
    }
    return resources;
}

std::optional<std::u16string> LoadModuleString(LoadedModule module, std::uint16_t id) {
    const auto block = FindModuleResource(module, resource_type::kString,
                                          static_cast<std::uint16_t>(id / kStringsPerBlock + 1));
    if (!block) return std::nullopt;
    const std::span<const std::uint8_t> bytes = block->data;
    std::size_t at = 0;
    for (std::uint16_t index = 0; at + 2 <= bytes.size(); ++index) {
        const std::size_t length = Word(bytes, at);
        at += 2;
        if (length * 2 > bytes.size() - at) break;
        if (index == id % kStringsPerBlock) {
            if (length == 0) break;
            std::u16string text;
            for (std::size_t unit = 0; unit < length; ++unit)
                text += static_cast<char16_t>(Word(bytes, at + unit * 2));
            return text;
        }
        at += length * 2;
    }
    return std::nullopt;
}

}  // namespace platform
