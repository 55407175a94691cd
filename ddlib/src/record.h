#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <type_traits>

#include "ddlib/common_variant.h"
#include "ddlib/definition.h"
#include "ddlib/recorder.h"
#include "ddlib/strpp.h"

// Formatting of recorded calls. Only reached while a recorder is installed on some thread.
namespace ddlib::detail {

// Recorders installed on all threads together. While it is 0, a library call tests it and
// goes on: one load and one branch that is never taken.
extern std::atomic<int> g_installedRecorders;
// The recorder installed on the calling thread, or null.
CallRecorder* ThreadRecorder();

std::string FormatArg(std::int32_t value);
std::string FormatArg(bool value);
std::string FormatArg(double value);
std::string FormatArg(const char* text);
std::string FormatArg(const CStrPP& text);
std::string FormatArg(const CDDCommonVariant& value);
std::string FormatArg(const CDDDefinition& definition);
// Owned sub-objects handed to a set… call are shown by what they are.
struct Described {
    std::string text;
};
inline std::string FormatArg(const Described& described) { return described.text; }

// How an argument reaches the recording: numbers by value, so that a recorded call never takes
// their address, objects by reference.
template <class T>
using Passed = std::conditional_t<std::is_scalar_v<T>, T, const T&>;

// Out of line and cold, so that the calls it records keep no frame and no spilled argument for
// it.
template <class... Args>
[[gnu::cold, gnu::noinline]] void RecordCall(const void* object, const char* receiver,
                                             const char* operation, Passed<Args>... args) {
    CallRecorder* recorder = ThreadRecorder();
    if (recorder == nullptr) return;
    std::string call(operation);
    call += '(';
    bool first = true;
    ((call += (first ? "" : ", "), call += FormatArg(args), first = false), ...);
    call += ')';
    recorder->OnCall(object, receiver, call);
}

template <class... Args>
void Record(const void* object, const char* receiver, const char* operation, const Args&... args) {
    RecordCall<Args...>(object, receiver, operation, args...);
}

}  // namespace ddlib::detail

// Records the call of the member function it stands in. A call whose arguments are all numbers
// records as it returns, where the recording is a jump that needs no frame; a call with objects
// for arguments records first, before its body may free or move what they refer to.
#define DD_RECORD(receiver, ...)                                                                \
    do {                                                                                        \
        if (__builtin_expect(                                                                   \
                ::ddlib::detail::g_installedRecorders.load(std::memory_order_relaxed) != 0, 0)) \
            ::ddlib::detail::Record(this, receiver, __VA_ARGS__);                               \
    } while (0)

// Records a set… call that hands `taken` over to `owner`. The owner takes it before the call is
// recorded, so that a recording that runs out of memory leaves nothing unowned.
#define DD_RECORD_HANDOVER(owner, taken, receiver, ...) \
    do {                                                \
        (owner).reset(taken);                           \
        DD_RECORD(receiver, __VA_ARGS__);               \
    } while (0)
