#include "engine/plugin_call.h"

#include <exception>
#include <string>

namespace ddhost {

void RethrowAsPluginError() {
    try {
        throw;
    } catch (const PluginError&) {
        // Marked by a call further in: a fill that the store made inside the plug-in's own call.
        throw;
    } catch (const std::exception& error) {
        throw PluginError(std::string("the plug-in raised an exception: ") + error.what());
    } catch (...) {
        throw PluginError("the plug-in raised an exception that is not a standard one");
    }
}

}  // namespace ddhost
