#pragma once

#include <optional>
#include <string>

namespace platform {

// The separator of path components in the file names the system hands out.
#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The instance of the running module as the framework hands it to the application object:
// on Windows the module handle, elsewhere any address inside the module.
using ModuleInstance = const void*;

// The full file name of the module, however long; empty when the system cannot tell it.
std::string ModuleFileName(ModuleInstance instance);

// The name of the last component of `path` as it is stored on disk (a short Windows name
// comes back in its long form, the letter case as stored); nothing when it cannot be found.
std::optional<std::string> OnDiskName(const std::string& path);

// A module opened by file name (LoadLibrary or dlopen), closed when the object goes.
using LoadedModule = void*;
class Module {
  public:
    explicit Module(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    bool IsOpen() const { return m_handle != nullptr; }
    LoadedModule handle() const { return m_handle; }
    // The address of an export by name; null when the module has none of that name.
    void* Symbol(const char* name) const;
    template <typename Function>
    Function Export(const char* name) const {
        return reinterpret_cast<Function>(Symbol(name));
    }

  private:
    LoadedModule m_handle;
};

}  // namespace platform
