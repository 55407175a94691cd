#pragma once

#include <string>

#include "platform/registry.h"

// Every key below `path` of the machine's registry, with its values, as text to compare.
inline std::string RegistrySnapshot(const std::string& path) {
    using platform::registry::Key;
    const Key key = Key::LocalMachine().Open(path, platform::registry::Access::Read);
    if (!key.IsOpen()) return "(none)";
    std::string text = "[" + path + "]";
    for (const std::string& name : key.ValueNames()) {
        const auto value = key.QueryValue(name);
        text += " " + name + "=" + std::to_string(value->type) + ":" +
                std::string(value->data.begin(), value->data.end());
    }
    for (const std::string& sub : key.SubKeyNames()) text += RegistrySnapshot(path + "\\" + sub);
    return text;
}
