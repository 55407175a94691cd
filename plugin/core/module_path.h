#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ddlib/strpp.h"

// The name of a path's last component as stored on disk, or nothing when it cannot be found.
using OnDiskNameLookup = std::function<std::optional<std::string>(const std::string& path)>;

// The module's file name with each component after the first in the form stored on disk. The
// first two characters (a drive letter and colon) are skipped before the first separator is
// sought, and what precedes that separator is never looked up. A name without a separator
// after its first two characters, or one whose lookup fails anywhere, comes back as given.
std::string LongModulePath(std::string_view fileName, char separator,
                           const OnDiskNameLookup& lookup);

// The module path up to its last "." anywhere in it; the whole path when it holds none.
CStrPP ModuleBasePath(const CStrPP& modulePath);
