#include "engine/plugin_library.h"

#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/module_file.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace ddhost {
namespace {

using AnyFunction = void (*)();

#if defined(_WIN32)

void* OpenModule(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) error = "system error " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(module);
}

AnyFunction FindExport(void* handle, const char* name) {
    return reinterpret_cast<AnyFunction>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void Close(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

#else

void* OpenModule(const std::string& path, std::string& error) {
    // Local binding keeps two plug-ins loaded side by side apart.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        error = reason ? reason : "unknown reason";
    }
    return handle;
}

AnyFunction FindExport(void* handle, const char* name) {
    void* symbol = dlsym(handle, name);
    AnyFunction function = nullptr;
    // dlsym hands functions out as object pointers; copying the bits is the portable cast.
    static_assert(sizeof symbol == sizeof function);
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

void Close(void* handle) { dlclose(handle); }

#endif

// The file a path names. A bare file name is one in the current directory, as the user means it;
// the loader would look for it along its own search path instead, and the file checked must be
// the one loaded.
std::string FilePath(const std::string& path) {
    const std::filesystem::path named(path);
    return named.has_parent_path() ? path : (std::filesystem::path(".") / named).string();
}

template <class Function>
void Resolve(void* handle, const char* name, Function& slot, std::vector<std::string>& missing) {
    slot = reinterpret_cast<Function>(FindExport(handle, name));
    if (slot == nullptr) missing.emplace_back(name);
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : m_path(path) {
    const std::string file = FilePath(path);
    std::string error = ModuleFileFault(file);
    if (error.empty()) m_handle.reset(OpenModule(file, error));
    if (m_handle == nullptr) {
        // The system's reason may name the file itself; it is named once.
        if (error.rfind(file + ": ", 0) == 0) error.erase(0, file.size() + 2);
        throw LoadError("cannot open plug-in " + path + ": " + error);
    }

    std::vector<std::string> missing;
    Resolve(m_handle.get(), "GetAttributeCalculation", m_exports.getAttributeCalculation, missing);
    Resolve(m_handle.get(), "GetAttributeCalcDataCategory", m_exports.getAttributeCalcDataCategory,
            missing);
    Resolve(m_handle.get(), "GetInformation", m_exports.getInformation, missing);
    Resolve(m_handle.get(), "DllRegisterServer", m_exports.dllRegisterServer, missing);
    Resolve(m_handle.get(), "DllUnregisterServer", m_exports.dllUnregisterServer, missing);
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
        throw LoadError("plug-in " + path + " lacks the export" +
                        (missing.size() > 1 ? "s " : " ") + names);
    }
}

void PluginLibrary::CloseModule::operator()(void* handle) const { Close(handle); }

}  // namespace ddhost
