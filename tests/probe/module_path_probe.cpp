// Opens the module named on the command line the way the system finds it (a bare name through
// the library search path) and prints the module path that its information object gives.
// The tests run it where the search path must be set before a process starts.

#include <cstdio>

#include "platform/module.h"
#include "support/module_paths.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MODULE\n", argv[0]);
        return 2;
    }
    const platform::Module plugin(argv[1]);
    if (!plugin.IsOpen()) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }
    std::printf("%s\n", ModulePaths(plugin).path.c_str());
    return 0;
}
