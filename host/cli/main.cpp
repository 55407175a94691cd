// ddhost: drives the device plug-in the way a host engine does and shows what it answers.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <new>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/item_lookup.h"
#include "cli/text_encoding.h"
#include "cli/text_output.h"
#include "engine/plugin_call.h"

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

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The plug-in this build produced; failing that, the one beside the executable. A path that
// cannot be looked at counts as missing: --plugin may name another.
std::string DefaultPluginPath() {
    const std::filesystem::path built = DDHOST_DEFAULT_PLUGIN;
    if (Exists(built)) return built.string();
    const std::filesystem::path beside = ExecutableDirectory() / DDHOST_PLUGIN_FILE_NAME;
    return Exists(beside) ? beside.string() : built.string();
}

// ddhost's exit statuses; --help and the README say what each means.
enum ExitStatus : int {
    kDone,
    kRefused,
    kUsage,
    kNotLoadable,
    kPluginFailed,
    kMethodFailed,
    kMethodAborted,
    kHostFailed
};

constexpr const char* kExitStatusMeanings[] = {
    "done",           "refused (an item or value) or registration failed",
    "usage error",    "plug-in not loadable",
    "plug-in failed", "method failed",
    "method aborted", "ddhost failed"};
static_assert(std::size(kExitStatusMeanings) == kHostFailed + 1);

std::string ExitStatusLine() {
    std::string line = "Exit status:";
    for (int status = kDone; status <= kHostFailed; ++status) {
        line += (status == kDone ? " " : ", ") + std::to_string(status) + ' ' +
                kExitStatusMeanings[status];
    }
    return line + '.';
}

// Every error is one line: what the loader, the plug-in or the user wrote may hold anything.
int Fail(ExitStatus status, std::string_view message) {
    try {
        std::cerr << "ddhost: " << ddhost::EscapedLine(message) << '\n';
        return status;
    } catch (const std::bad_alloc&) {
        std::cerr << "ddhost: out of memory\n";
        return kHostFailed;
    }
}

// The status that reports how the method's run ended.
ExitStatus MethodStatus(std::int32_t result) {
    if (result == 0) return kDone;
    return result == ddhost::kMethodAborted ? kMethodAborted : kMethodFailed;
}

// Output that cannot be written is a failure of ddhost's own.
void Write(const std::string& text) {
    errno = 0;
    if (!(std::cout << text).flush()) {
        throw std::system_error(errno != 0 ? errno : EIO, std::generic_category(),
                                "cannot write the output");
    }
}

// CLI11 finds the command missing before it complains of the words it did not take, so an
// unknown command is the first of those words that is no option.
std::string UsageMessage(const CLI::App& app, const CLI::ParseError& error) {
    if (!app.get_subcommands().empty() ||
        dynamic_cast<const CLI::RequiredError*>(&error) == nullptr)
        return error.what();
    std::string commands;
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
        names.push_back(command->get_name());
        commands += (commands.empty() ? "; the commands are " : ", ") + names.back();
    }
    const std::vector<std::string> words = app.remaining();
    const auto word = std::find_if(words.begin(), words.end(),
                                   [](const std::string& w) { return !w.starts_with('-'); });
    if (word == words.end()) return "no command given" + commands;
    const std::string closest = ddhost::ClosestText(names, *word);
    return "unknown command '" + *word + "'" + (closest.empty() ? commands : closest);
}

int Run(int argc, char** argv) {
    CLI::App app{
        "Loads the device plug-in as a host engine does (load, attach, build the "
        "directory) and shows what it answers."};
    app.require_subcommand(1);
    app.footer(ExitStatusLine());
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
    // The numbers are read with the command line, before the plug-in is loaded.
    exec->callback([&] {
        execOptions.arg = ddhost::ParseInteger(arg, "--arg");
        for (const std::string& input : inputs)
            execOptions.inputs.push_back(ddhost::ParseInteger(input, "--input"));
        if (!abortAtMessage.empty()) {
            execOptions.abortAtMessage = static_cast<int>(
                ddhost::ParseWholeNumber(abortAtMessage, "--abort-at-message", 1, INT32_MAX));
        }
        run = [&](auto& s) { return ddhost::ExecCommand(s, item, execOptions); };
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

    try {
        app.parse(argc, argv);
        ddhost::Session session(pluginPath);
        for (const std::string& setting : settings)
            ddhost::ApplySetting(session.store(), setting, ddhost::kCommandContext);
        const ddhost::CommandOutput output = run(session);
        if (json)
            Write(ddhost::JsonText(output.json, 2) + '\n');
        else
            Write(output.text);
        return MethodStatus(output.methodResult);
    } catch (const CLI::Success& help) {
        // Written as every other output is, so that help that cannot be written fails too.
        std::ostringstream text;
        const int status = app.exit(help, text, text);
        Write(text.str());
        return status;
    } catch (const CLI::ParseError& error) {
        return Fail(kUsage, UsageMessage(app, error));
    } catch (const ddhost::UsageError& error) {
        return Fail(kUsage, error.what());
    } catch (const ddhost::LoadError& error) {
        return Fail(kNotLoadable, error.what());
    } catch (const ddhost::CommandError& error) {
        return Fail(kRefused, error.what());
    } catch (const ddhost::PluginError& error) {
        return Fail(kPluginFailed, error.what());
    }
}

}  // namespace

// Everything ddhost does, the default plug-in path and the command line's own set-up included,
// runs inside the handlers: what is left after the plug-in's failures is ddhost's own.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        return Fail(kHostFailed, "out of memory");
    } catch (const std::exception& error) {
        return Fail(kHostFailed, error.what());
    } catch (...) {
        return Fail(kHostFailed, "an exception that is not a standard one");
    }
}
