#include "ddlib/recorder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "record.h"

namespace ddlib {

CallRecorder::~CallRecorder() = default;

namespace detail {

CallRecorder* g_recorder = nullptr;

std::string FormatArg(std::int32_t value) { return std::to_string(value); }

std::string FormatArg(bool value) { return value ? "true" : "false"; }

std::string FormatArg(double value) {
    char buffer[64];
    // Shortest form that reads back exactly, with a point so that 1.0 is not taken for an int.
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    std::string text(buffer);
    if (std::isfinite(value) && text.find_first_of(".eE") == std::string::npos) text += ".0";
    return text;
}

std::string FormatArg(const char* text) {
    std::string out("\"");
    for (const char* p = text ? text : ""; *p; ++p) {
        switch (*p) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += *p;
        }
    }
    out += '"';
    return out;
}

std::string FormatArg(const CStrPP& text) { return FormatArg(text.ptr()); }

std::string FormatArg(const CDDCommonVariant& value) {
    switch (value.getKind()) {
        case CDDCommonVariant::Integer:
            return FormatArg(value.getInt());
        case CDDCommonVariant::Float:
            return FormatArg(value.getDouble());
        case CDDCommonVariant::String:
            return FormatArg(value.getString());
        case CDDCommonVariant::Boolean:
            return FormatArg(value.getBool());
        case CDDCommonVariant::Empty:
            break;
    }
    return "empty";
}

std::string FormatArg(const CDDDefinition& definition) {
    if (definition.getID() == 0 && definition.name().IsEmpty()) return "CDDDefinition()";
    return std::string(definition.name().ptr());
}

}  // namespace detail

CallRecorder* SetCallRecorder(CallRecorder* recorder) {
    CallRecorder* previous = detail::g_recorder;
    detail::g_recorder = recorder;
    return previous;
}

CallRecorder* GetCallRecorder() { return detail::g_recorder; }

}  // namespace ddlib
