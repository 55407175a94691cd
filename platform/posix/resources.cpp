#include "platform/resources.h"

#include <dlfcn.h>

namespace platform {

std::optional<Resource> FindModuleResource(LoadedModule module, std::uint16_t type,
                                           std::uint16_t id) {
    const auto image = reinterpret_cast<ResourceImageFunction>(
        module != nullptr ? dlsym(module, kResourceImageExport) : nullptr);
    if (image == nullptr) return std::nullopt;
    std::size_t size = 0;
    const std::uint8_t* bytes = image(&size);
    for (const Resource& resource : ParseResourceImage({bytes, size})) {
        if (resource.type == type && resource.id == id) return resource;
    }
    return std::nullopt;
}

}  // namespace platform
