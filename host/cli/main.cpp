// ddhost: drives the device plug-in the way a host engine does and shows what it answers.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/item_lookup.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

std::filesystem::path ExecutableDirectory() {
#if defined(_WIN32)
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

// The plug-in this build produced; failing that, the one beside the executable.
std::string DefaultPluginPath() {
    const std::filesystem::path built = DDHOST_DEFAULT_PLUGIN;
    if (std::filesystem::exists(built)) return built.string();
    const std::filesystem::path beside = ExecutableDirectory() / DDHOST_PLUGIN_FILE_NAME;
    return std::filesystem::exists(beside) ? beside.string() : built.string();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Loads the device plug-in as a host engine does (load, attach, build the "
        "directory) and shows what it answers."};
    app.require_subcommand(1);
    // Options of the host may follow the command.
    app.fallthrough();

    std::string pluginPath = DefaultPluginPath();
    bool json = false;
    std::vector<std::string> settings;
    app.add_option("--plugin", pluginPath, "plug-in module to load")->capture_default_str();
    app.add_flag("--json", json, "machine-readable output");
    app.add_option("--set", settings, "NAME=VALUE: current value of a variable, set first")
        ->allow_extra_args(false);

    std::string item;
    std::string as;
    bool trace = false;
    ddhost::ExecOptions execOptions;
    std::string arg = "0";
    std::vector<std::string> inputs;
    std::string abortAtMessage;
    std::function<ddhost::CommandOutput(ddhost::Session&)> run;

    app.add_subcommand("directory", "objects, transaction sets and variable sets received")
        ->callback([&] { run = ddhost::DirectoryCommand; });
    CLI::App* show = app.add_subcommand("show", "one object after its fill");
    show->add_option("item", item, "object ID or DD name")->required();
    show->add_flag("--trace", trace, "the library calls of the fill, one per line");
    show->callback([&] { run = [&](auto& s) { return ddhost::ShowCommand(s, item, trace); }; });
    app.add_subcommand("dump", "every object filled, in ID order")->callback([&] {
        run = ddhost::DumpCommand;
    });
    CLI::App* validity =
        app.add_subcommand("validity", "whether a variable, menu or method is valid");
    validity->add_option("item", item, "object ID or DD name")->required();
    validity->add_option("--as", as, "ask the validity of this kind: variable, menu or method")
        ->check(CLI::IsMember({"variable", "menu", "method"}));
    validity->callback(
        [&] { run = [&](auto& s) { return ddhost::ValidityCommand(s, item, as); }; });
    CLI::App* exec = app.add_subcommand("exec", "execute a method");
    exec->add_option("method", item, "object ID or DD name")->required();
    exec->add_option("--arg", arg, "argument handed to the method")->capture_default_str();
    exec->add_flag("--no-abort-throw", execOptions.noAbortThrow,
                   "a pending abort does not end the method");
    exec->add_option("--input", inputs, "the user's answer to the next prompt (repeatable)")
        ->allow_extra_args(false);
    exec->add_option("--abort-at-message", abortAtMessage,
                     "K: an abort becomes pending with the K-th message");
    exec->add_option("--param", execOptions.parameters,
                     "NAME=INT or NAME=@ITEM: the method's next named parameter (repeatable)")
        ->allow_extra_args(false);
    exec->callback([&] {
        run = [&](auto& s) {
            execOptions.arg = ddhost::ParseInteger(arg, "--arg");
            for (const std::string& input : inputs)
                execOptions.inputs.push_back(ddhost::ParseInteger(input, "--input"));
            if (!abortAtMessage.empty()) {
                execOptions.abortAtMessage = static_cast<int>(
                    ddhost::ParseWholeNumber(abortAtMessage, "--abort-at-message", 1, INT32_MAX));
            }
            return ddhost::ExecCommand(s, item, execOptions);
        };
    });
    app.add_subcommand("info", "every answer of the information object")->callback([&] {
        run = ddhost::InfoCommand;
    });
    app.add_subcommand("register", "call DllRegisterServer")->callback([&] {
        run = [](auto& s) { return ddhost::RegisterCommand(s, false); };
    });
    app.add_subcommand("unregister", "call DllUnregisterServer")->callback([&] {
        run = [](auto& s) { return ddhost::RegisterCommand(s, true); };
    });

    CLI11_PARSE(app, argc, argv);

    try {
        ddhost::Session session(pluginPath);
        for (const std::string& setting : settings)
            ddhost::ApplySetting(session.store(), setting, ddhost::kCommandContext);
        const ddhost::CommandOutput output = run(session);
        if (json) {
            std::cout << output.json.dump(2, ' ', false, ddhost::Json::error_handler_t::replace)
                      << '\n';
        } else {
            std::cout << output.text;
        }
        return 0;
    } catch (const ddhost::LoadError& error) {
        std::cerr << "ddhost: " << error.what() << '\n';
        return 2;
    } catch (const ddhost::CommandError& error) {
        std::cerr << "ddhost: " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "ddhost: the plug-in raised an exception: " << error.what() << '\n';
        return 3;
    } catch (...) {
        std::cerr << "ddhost: the plug-in raised an exception that is not a standard one\n";
        return 3;
    }
}
