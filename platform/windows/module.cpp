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
    if (path.size() < MAX_PATH || !IsDrivePath(path)) return LoadLibraryA(path.c_str());
    // Only the extended-length form of a name this long opens a module.
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.pop_back();
    return LoadLibraryW((L"\\\\?\\" + wide).c_str());
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
