#include "platform/resources.h"

#include <windows.h>

namespace platform {
namespace {

BOOL CALLBACK TakeFirstLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

}  // namespace

std::optional<Resource> FindModuleResource(LoadedModule module, std::uint16_t type,
                                           std::uint16_t id) {
    const auto handle = static_cast<HMODULE>(module);
    const HRSRC found = FindResourceA(handle, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (found == nullptr) return std::nullopt;
    const HGLOBAL loaded = LoadResource(handle, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    WORD language = 0;
    EnumResourceLanguagesA(handle, MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(id), TakeFirstLanguage,
                           reinterpret_cast<LONG_PTR>(&language));
    return Resource{type,
                    id,
                    language,
                    {static_cast<const std::uint8_t*>(bytes), SizeofResource(handle, found)}};
}

}  // namespace platform
