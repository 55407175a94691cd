#pragma once

#include <cstdint>
#include <string>

#include "ddlib/common_variant.h"
#include "ddlib/definition.h"
#include "ddlib/recorder.h"
#include "ddlib/strpp.h"

// Formatting of recorded calls. Only reached while a recorder is installed.
namespace ddlib::detail {

extern CallRecorder* g_recorder;

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

template <class... Args>
void Record(const void* object, const char* receiver, const char* operation, const Args&... args) {
    CallRecorder* recorder = g_recorder;
    if (recorder == nullptr) return;
    std::string call(operation);
    call += '(';
    bool first = true;
    ((call += (first ? "" : ", "), call += FormatArg(args), first = false), ...);
    call += ')';
    recorder->OnCall(object, receiver, call);
}

}  // namespace ddlib::detail

#define DD_RECORD(receiver, ...)                                                               \
    do {                                                                                       \
        if (::ddlib::detail::g_recorder) ::ddlib::detail::Record(this, receiver, __VA_ARGS__); \
    } while (0)
