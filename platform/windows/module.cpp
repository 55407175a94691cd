#include "platform/module.h"

#include <windows.h>

namespace platform {
namespace {

// Beyond this the system has no longer file names to give.
constexpr DWORD kLongestFileName = 1 << 16;

HMODULE Handle(const void* module) { return static_cast<HMODULE>(const_cast<void*>(module)); }

bool IsDrivePath(const std::string& path) {
    return path.size() > 3 && path[1] == ':' && path[2] == '\\';
}

HMODULE Open(const std::string& path) {
    // Only the extended-length form of a name this long opens a module; a name longer than any
    // the system takes is left to it to refuse.
    if (path.size() < MAX_PATH || path.size() > kLongestFileName || !IsDrivePath(path))
        return LoadLibraryA(path.c_str());
    // A conversion that fails leaves its reason in the last error.
    const auto size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    if (length <= 0) return nullptr;
    std::wstring wide(L"\\\\?\\");
    const std::size_t prefix = wide.size();
    wide.resize(prefix + static_cast<std::size_t>(length));
    if (MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data() + prefix, length) != length)
        return nullptr;
    return LoadLibraryW(wide.c_str());
}

}  // namespace

std::string ModuleFileName(ModuleInstance instance) {
    // A name that fills the buffer may have been cut, so the buffer grows until it does not.
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(Handle(instance), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= kLongestFileName) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::optional<std::string> OnDiskName(const std::string& path) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return std::string(found.cFileName);
}

Module::Module(const std::string& path) : m_handle(Open(path)) {}

Module::~Module() {
    if (m_handle != nullptr) FreeLibrary(Handle(m_handle));
}

void* Module::Symbol(const char* name) const {
    return m_handle != nullptr ? reinterpret_cast<void*>(GetProcAddress(Handle(m_handle), name))
                               : nullptr;
}

}  // namespace platform
