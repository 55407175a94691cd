#include "core/module_path.h"

#include <algorithm>

std::string LongModulePath(std::string_view fileName, char separator,
                           const OnDiskNameLookup& lookup) {
    constexpr std::size_t kDrivePart = 2;
    std::size_t position = fileName.find(separator, std::min(kDrivePart, fileName.size()));
    if (position == std::string_view::npos) return std::string(fileName);
    std::string longPath(fileName.substr(0, position));
    while (position != fileName.size()) {
        std::size_t end = fileName.find(separator, position + 1);
        if (end == std::string_view::npos) end = fileName.size();
        const auto stored = lookup(std::string(fileName.substr(0, end)));
        if (!stored) return std::string(fileName);
        longPath += separator;
        longPath += *stored;
        position = end;
    }
    return longPath;
}

CStrPP ModuleBasePath(const CStrPP& modulePath) {
    return modulePath.Left(modulePath.FindLast("."));
}
