#include "ddlib/recorder.h"

#include <cmath>

#include "number_text.h"
#include "record.h"

namespace ddlib {

CallRecorder::~CallRecorder() = default;

namespace detail {

std::atomic<int> g_installedRecorders{0};

namespace {

// A thread that ends with a recorder installed takes it out of the count.
struct ThreadSlot {
    CallRecorder* recorder = nullptr;
    ~ThreadSlot() {
        if (recorder != nullptr) g_installedRecorders.fetch_sub(1, std::memory_order_relaxed);
    }
};

thread_local ThreadSlot t_slot;

}  // namespace

CallRecorder* ThreadRecorder() { return t_slot.recorder; }

std::string FormatArg(std::int32_t value) { return std::to_string(value); }

std::string FormatArg(bool value) { return value ? "true" : "false"; }

std::string FormatArg(double value) {
    // Shortest form that reads back exactly, with a point so that 1.0 is not taken for an int.
    std::string text(NumberText(value, 1).c_str());
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

// Each thread has its own recorder. The count only tells the calls whether to look for one, so
// it needs no ordering: a thread sees its own changes in program order, and another thread that
// sees a stale count finds its own recorder slot empty.
CallRecorder* SetCallRecorder(CallRecorder* recorder) {
    detail::ThreadSlot& slot = detail::t_slot;
    CallRecorder* previous = slot.recorder;
    if (previous == nullptr && recorder != nullptr)
        detail::g_installedRecorders.fetch_add(1, std::memory_order_relaxed);
    if (previous != nullptr && recorder == nullptr)
        detail::g_installedRecorders.fetch_sub(1, std::memory_order_relaxed);
    slot.recorder = recorder;
    return previous;
}

CallRecorder* GetCallRecorder() { return detail::t_slot.recorder; }

}  // namespace ddlib
