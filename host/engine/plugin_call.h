#pragma once

#include <stdexcept>
#include <utility>

namespace ddhost {

// An exception that left a call into the plug-in, whatever the plug-in threw; what() says what
// it was, beginning "the plug-in raised an exception".
class PluginError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Rethrows the exception being handled as a PluginError; one that already is stays as it is.
[[noreturn]] void RethrowAsPluginError();

// Runs `call`, a call into the plug-in, and returns what it returns. An exception that leaves it
// is the plug-in's, whether the plug-in raised it or let through one of the host's own, and
// leaves as a PluginError; the host's own failures elsewhere stay apart from it.
template <class Call>
decltype(auto) IntoPlugin(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (...) {
        RethrowAsPluginError();
    }
}

}  // namespace ddhost
