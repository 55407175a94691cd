#pragma once

#include <string>

namespace ddhost {

// Why the file at `path` is not a whole shared library of this platform's format (ELF on Linux,
// PE on Windows), read from its headers: the header tables and every part that the loader maps
// must lie inside the file, since a loader that maps a cut-short file faults when it touches the
// missing end. Empty when nothing is wrong, and for a file that cannot be opened, whose reason
// the loader gives.
std::string ModuleFileFault(const std::string& path);

}  // namespace ddhost
