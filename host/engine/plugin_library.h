#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "interfaces/exports.h"

namespace ddhost {

// The plug-in module could not be used: its file does not open or is not a whole shared library,
// or an export is missing. The message names the file and the reason or what is missing.
class LoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The five functions a plug-in exports, resolved by their plain names.
struct PluginExports {
    PFN_GetAttributeCalculation getAttributeCalculation = nullptr;
    PFN_GetAttributeCalcDataCategory getAttributeCalcDataCategory = nullptr;
    PFN_GetInformation getInformation = nullptr;
    PFN_DllRegisterServer dllRegisterServer = nullptr;
    PFN_DllUnregisterServer dllUnregisterServer = nullptr;
};

// An opened plug-in module. Closing it (the destructor) invalidates every object and string
// that its code still owns, so the caller releases those first.
class PluginLibrary {
  public:
    // Opens the module at the path, a bare name in the current directory, and resolves all five
    // exports; throws LoadError otherwise.
    explicit PluginLibrary(const std::string& path);

    const std::string& path() const { return m_path; }
    const PluginExports& exports() const { return m_exports; }

  private:
    struct CloseModule {
        void operator()(void* handle) const;
    };

    std::string m_path;
    // Closed by whatever ends its life, also a failure of the constructor after the open.
    std::unique_ptr<void, CloseModule> m_handle;
    PluginExports m_exports;
};

}  // namespace ddhost
