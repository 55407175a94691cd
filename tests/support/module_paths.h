#pragma once

#include <memory>
#include <string>

#include "interfaces/exports.h"
#include "platform/module.h"

// The module path and the base path that a loaded plug-in's information object gives.
struct Paths {
    std::string path;
    std::string base;
};

inline Paths ModulePaths(const platform::Module& plugin) {
    const std::unique_ptr<CInformation> info(plugin.Export<PFN_GetInformation>("GetInformation")());
    return {info->GetModulePath().ptr(), info->GetModuleBasePath().ptr()};
}
