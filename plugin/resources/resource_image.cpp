// The module's resources for hosts on Linux, where a module has no resource section: the
// compiled image of TSFQYPB15100101.rc, byte for byte what Windows builds carry.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "interfaces/exports.h"
#include "platform/resources.h"

namespace {

const std::uint8_t kResourceImage[] = {
#include "resources/resource_image.inc"
};

}  // namespace

extern "C" DD_PLUGIN_EXPORT const std::uint8_t* DDResourceImage(std::size_t* size) {
    *size = sizeof kResourceImage;
    return kResourceImage;
}

static_assert(std::is_same_v<decltype(&DDResourceImage), platform::ResourceImageFunction>);
