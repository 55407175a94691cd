#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/describe.h"
#include "engine/session.h"

namespace ddhost {

// The host value that ddhost hands to every calculate, validity and execute operation.
inline constexpr DDContext kCommandContext = 1;

// The result of a method whose run was aborted.
inline constexpr std::int32_t kMethodAborted = -2;

// What a command produced: the JSON result and its readable text, and for `exec` the method's
// result, which ddhost's exit status reports.
struct CommandOutput {
    Json json;
    std::string text;
    std::int32_t methodResult = 0;
};

// The messages the sink has received, as UTF-8 texts; the sink starts empty again.
Json TakeMessages(Session& session);

// Each command works on a session that has built its directory. Every result that follows a
// call into the plug-in carries "messages": what the message sink received.

// The directory as received: objects, transaction sets, variable sets.
CommandOutput DirectoryCommand(Session& session);

// A fresh object of the item, made from the directory and filled. With `trace`, the library
// calls of that fill are added ("trace"), and the text is those calls, one per line.
CommandOutput ShowCommand(Session& session, std::string_view item, bool trace);

// Every object of the directory filled, in ID order.
CommandOutput DumpCommand(Session& session);

// The validity operation for the item's kind, or for `as` ("variable", "menu", "method") when
// given. The item must be in the directory.
CommandOutput ValidityCommand(Session& session, std::string_view item, std::string_view as);

// What `exec` hands the method, and what the user that the host stands in for answers.
struct ExecOptions {
    std::int32_t arg = 0;
    bool noAbortThrow = false;
    // The answers to the prompts, in order; a prompt with no answer left is cancelled.
    std::vector<std::int32_t> inputs;
    // An abort becomes pending with this message, counted from 1; 0 never.
    int abortAtMessage = 0;
    // The method's named parameters in order, each "NAME=INT" or "NAME=@ITEM".
    std::vector<std::string> parameters;
};

// Runs the method; an item of another kind is refused and nothing runs. The result lists every
// services call in order and the value, after the run, of every variable that the run wrote. The
// item must be in the directory.
CommandOutput ExecCommand(Session& session, std::string_view item, const ExecOptions& options);

// Every answer of the information object, and the data-category table.
CommandOutput InfoCommand(Session& session);

// Calls DllRegisterServer, or DllUnregisterServer with `unregister`.
CommandOutput RegisterCommand(Session& session, bool unregister);

}  // namespace ddhost
