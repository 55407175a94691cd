// The ddhost program as a user meets it: its exit statuses and its one-line errors.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temporary_directory.h"

extern char** environ;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs ddhost with these arguments, as given, without a shell between; its standard output goes
// to `output` when one is named.
Outcome Ddhost(std::vector<std::string> arguments, const char* output = nullptr) {
    const TemporaryDirectory directory;
    const std::string out = output ? output : (directory.path() / "out").string();
    const std::string err = (directory.path() / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    arguments.insert(arguments.begin(), DDHOST_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    Outcome outcome;
    pid_t child = 0;
    int wait = 0;
    if (posix_spawn(&child, DDHOST_PATH, &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(child, &wait, 0) == child && WIFEXITED(wait)) {
        outcome.status = WEXITSTATUS(wait);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (output == nullptr) outcome.out = Bytes(out);
    outcome.err = Bytes(err);
    return outcome;
}

constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kNotLoadable = 3;
constexpr int kMethodFailed = 5;
constexpr int kMethodAborted = 6;
constexpr int kHostFailed = 7;

TEST(DdhostCommandLine, ExecRefusesAnItemThatIsNoMethodByItsKind) {
    const std::pair<const char*, const char*> items[] = {
        {"read_phys_blk", "read_phys_blk is a command"},
        {"87", "phys_tag_desc is a variable"},
        {"1", "__menu_Observe is a menu"},
        {"18", "physical_block is a block"}};
    for (const auto& [item, kind] : items) {
        SCOPED_TRACE(item);
        const Outcome outcome = Ddhost({"exec", item});
        EXPECT_EQ(outcome.status, kRefused);
        EXPECT_EQ(outcome.err, "ddhost: " + std::string(kind) + "; exec runs methods\n");
        EXPECT_EQ(outcome.out, "");
    }
}

TEST(DdhostCommandLine, AnUnknownCommandIsNamedWithTheClosestOrTheWholeList) {
    const std::string commands =
        "the commands are directory, show, dump, validity, exec, info, register, unregister\n";
    EXPECT_EQ(Ddhost({"shwo", "x"}).err, "ddhost: unknown command 'shwo'; closest: show\n");
    EXPECT_EQ(Ddhost({"--json", "val", "87"}).err,
              "ddhost: unknown command 'val'; closest: validity\n");
    EXPECT_EQ(Ddhost({"help"}).err, "ddhost: unknown command 'help'; " + commands);
    EXPECT_EQ(Ddhost({}).err, "ddhost: no command given; " + commands);
}

TEST(DdhostCommandLine, EveryUsageErrorExitsWithTheOneUsageStatusInOneLine) {
    const std::vector<std::vector<std::string>> lines = {{"shwo", "x"},
                                                         {},
                                                         {"validity", "87", "--as", "foo"},
                                                         {"exec"},
                                                         {"--jsn", "show", "1"},
                                                         {"show", "1", "2"},
                                                         {"--plugin"},
                                                         {"exec", "6", "--arg", "x"},
                                                         {"exec", "6", "--input", "99999999999"},
                                                         {"exec", "6", "--abort-at-message", "0"},
                                                         {"exec", "508", "--param", "code"},
                                                         {"exec", "508", "--param", "code=x"},
                                                         {"--set", "func1_hi_lim", "show", "1"}};
    for (const std::vector<std::string>& line : lines) {
        SCOPED_TRACE(testing::PrintToString(line));
        const Outcome outcome = Ddhost(line);
        EXPECT_EQ(outcome.status, kUsage);
        EXPECT_EQ(outcome.err.rfind("ddhost: ", 0), 0u) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}

TEST(DdhostCommandLine, RefusalsLoadFailuresAndSuccessExitApart) {
    EXPECT_EQ(Ddhost({"show", "phys_tag_desc"}).status, 0);
    EXPECT_EQ(Ddhost({"show", "638"}).status, kRefused);
    EXPECT_EQ(Ddhost({"--set", "func1_hi_lim=nan", "show", "1"}).status, kRefused);
    EXPECT_EQ(Ddhost({"--set", "physical_block=1", "show", "1"}).status, kRefused);
    EXPECT_EQ(Ddhost({"exec", "508", "--param", "lock=@nothing"}).status, kRefused);
    EXPECT_EQ(Ddhost({"--plugin", "/nonexistent/plugin.so", "show", "1"}).status, kNotLoadable);
    const Outcome help = Ddhost({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\nExit status: 0 done, 1 refused"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find(", 4 plug-in failed, 5 method failed, 6 method aborted, 7 ddhost "
                            "failed.\n"),
              std::string::npos)
        << help.out;
}

// The result is shown as before, then reported in the status: a script can tell a method that
// failed, or was aborted, from one that ran through.
TEST(DdhostCommandLine, ExecExitsWithTheMethodsFailureOrAbort) {
    const Outcome failed = Ddhost({"exec", "pre_write_upload_variables_2nd"});
    EXPECT_EQ(failed.status, kMethodFailed);
    EXPECT_EQ(failed.out.rfind("result: -1\n", 0), 0u) << failed.out;
    EXPECT_EQ(failed.err, "");
    const Outcome failedJson = Ddhost({"--json", "exec", "pre_write_upload_variables_2nd"});
    EXPECT_EQ(failedJson.status, kMethodFailed);
    EXPECT_NE(failedJson.out.find("\n  \"result\": -1,\n"), std::string::npos) << failedJson.out;

    // A prompt with no answer is cancelled, which aborts the method.
    const Outcome aborted = Ddhost({"exec", "method_phys_factory_reset_device_specific"});
    EXPECT_EQ(aborted.status, kMethodAborted);
    EXPECT_EQ(aborted.out.rfind("result: -2\n", 0), 0u) << aborted.out;

    const Outcome done =
        Ddhost({"exec", "method_phys_factory_reset_device_specific", "--input", "4711"});
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.out.rfind("result: 0\n", 0), 0u) << done.out;
}

// 0.100000001 and 0.1 are the same number in four bytes, so the lower limits are equal, and in
// order. A 4-byte value is shown by the shortest text that reads back as the same four bytes:
// read, handed on as a local, written, and in JSON.
TEST(DdhostCommandLine, AFourByteFloatHoldsAndShowsWhatFourBytesHold) {
    const Outcome check = Ddhost({"exec", "meth_check_lokal_limits_local", "--set",
                                  "func1_lo_lo_lim_local=0.100000001", "--set",
                                  "func1_lo_lim_local=0.1", "--set", "func1_hi_lim_local=0.05"});
    EXPECT_EQ(check.status, 0);
    for (const char* line :
         {"GetFloatValue(func1_lo_lo_lim_local) -> 0.1\n",
          "GetFloatValue(func1_lo_lim_local) -> 0.1\n", "PutLocal(loc_lolo, 0.1)\n",
          "PutLocal(loc_hi, 0.05)\n", "PutLocal(loc_hihi, 3e+38)\n"})
        EXPECT_NE(check.out.find(line), std::string::npos) << line << check.out;
    EXPECT_EQ(check.out.find("Lower Limit Alarm"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("Lower Limit Warning is above"), std::string::npos) << check.out;

    const Outcome read = Ddhost({"exec", "meth_read_limits", "--set", "func1_hi_lim=0.1"});
    EXPECT_NE(read.out.find("PutValue(func1_hi_lim_local, 0.1)\n"), std::string::npos) << read.out;
    EXPECT_NE(read.out.find("value: func1_hi_lim_local = 0.1\n"), std::string::npos) << read.out;
    // A double's shortest text in JSON would be 3.6897124999999996e+19 here.
    const std::string json = Ddhost({"exec", "meth_read_limits", "--set", "func1_hi_lim=0.1",
                                     "--set", "func1_lo_lim=3.6897125e+19", "--json"})
                                 .out;
    for (const char* member :
         {"\"func1_lo_lo_lim_local\": -3e+38,\n", "\"func1_lo_lim_local\": 3.6897125e+19,\n",
          "\"func1_hi_lim_local\": 0.1\n"})
        EXPECT_NE(json.find(member), std::string::npos) << member << json;
}

TEST(DdhostCommandLine, OutputThatCannotBeWrittenIsDdhostsOwnFailure) {
    for (const char* command : {"info", "--help"}) {
        const Outcome outcome = Ddhost({command}, "/dev/full");
        EXPECT_EQ(outcome.status, kHostFailed) << command;
        EXPECT_EQ(outcome.err, "ddhost: cannot write the output: No space left on device\n");
    }
}

// A loader's message can quote bytes of the module, and a name can hold anything the user typed.
TEST(DdhostCommandLine, ErrorsShowControlCharactersAndForeignBytesEscaped) {
    EXPECT_EQ(Ddhost({"show", "a\nb\xFF"}).err,
              "ddhost: no item named 'a\\nb\\xFF' in the directory\n");

    // The module names the object-model library it needs; a name spoilt with a line break, an
    // escape sequence and a byte that is no UTF-8 reaches the message of the system loader.
    std::string module = Bytes(DD_PLUGIN_PATH);
    const std::string needed = "libZOVIRI15VizOduROV.so";
    const std::size_t at = module.find(needed);
    ASSERT_NE(at, std::string::npos);
    const std::string spoilt = "first\nsecond\x1B[2J\xFF.so...";
    ASSERT_EQ(spoilt.size(), needed.size());
    module.replace(at, needed.size(), spoilt);
    const TemporaryDirectory directory;
    const std::string path = (directory.path() / "spoilt.so").string();
    std::ofstream(path, std::ios::binary) << module;
    const Outcome outcome = Ddhost({"--plugin", path, "show", "1"});
    EXPECT_EQ(outcome.status, kNotLoadable);
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find("first\\nsecond\\x1B[2J\\xFF.so"), std::string::npos) << outcome.err;
}

}  // namespace
