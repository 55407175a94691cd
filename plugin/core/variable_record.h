#pragma once

#include <cstdint>
#include <span>

#include "ddlib/enums.h"
#include "interfaces/dd_types.h"

// The constant description of one DD variable. The variable frame turns it into the library
// calls that fill the host's object, always in the same order; the fields say what varies.

// A literal of the device description. Its kind, not the variable's type, chooses the variant
// that reaches the library: a float variable may well carry an int default.
struct Literal {
    enum Kind : std::uint8_t { None, Int, Double, String };
    Kind kind = None;
    std::int32_t i = 0;
    double d = 0.0;
    const char* s = nullptr;
};
constexpr Literal Int(std::int32_t value) { return {Literal::Int, value, 0.0, nullptr}; }
constexpr Literal Double(double value) { return {Literal::Double, 0, value, nullptr}; }
constexpr Literal Text(const char* value) { return {Literal::String, 0, 0.0, value}; }

struct Enumerator {
    std::int32_t value;
    const char* description;
    const char* help = "";
};

struct BitEnumerator {
    std::uint32_t bit;
    const char* description;
    const char* help = "";
};

// Which handling calls are made, in order. None makes no handling call at all, not even the
// reset of the handling flags.
enum class Handling : std::uint8_t { None, Read, Write, ReadWrite, WriteRead };

// Handling that follows another item's current value: `source` compared with `comparand`
// (== when `equal`, != otherwise) chooses the calls.
struct ConditionalHandling {
    DDObjectId source;
    std::int32_t comparand;
    bool equal;
    Handling whenTrue;
    Handling whenFalse;
};

// Display format that follows another item's current value: the first case whose code equals
// the value gives the format; with none, the static display format stays.
struct FormatCase {
    std::int32_t code;
    const char* format;
};
struct ComputedFormat {
    DDObjectId source;
    std::span<const FormatCase> cases;
};

enum class DefaultPlace : std::uint8_t {
    // After the header of the value list: putSize for a string, putMaxRangeNo for a number,
    // putMaxEnumIndex or putMaxBitEnumIndex for an enumeration.
    AfterHeader,
    AfterEnumerators,
};

inline constexpr std::int32_t kDirectoryType = -1;

struct VariableRecord {
    const char* label = nullptr;  // null: the label stays the empty text
    const char* help = nullptr;   // null: no help call at all
    // The type the factory installs, where it is not the one the directory declares.
    std::int32_t type = kDirectoryType;
    std::int32_t size = 0;                  // types 2, 3, 4, 5 and 7
    const char* displayFormat = nullptr;    // numbers: null gives the type's standard format
    const char* editFormat = nullptr;
    bool hasRange = false;
    Literal rangeMin{};
    Literal rangeMax{};
    Literal defaultValue{};
    DefaultPlace defaultPlace = DefaultPlace::AfterHeader;
    std::int32_t maxEnumIndex = 0;  // passed as given for types 4 and 5
    std::span<const Enumerator> enumerators{};
    std::span<const BitEnumerator> bitEnumerators{};
    const ComputedFormat* computedFormat = nullptr;
    Handling handling = Handling::Read;
    const ConditionalHandling* conditionalHandling = nullptr;
    const char* constantUnit = nullptr;
    std::span<const DDObjectId> postEditActions{};
    // Departures from the order of calls.
    bool handlingBeforeType = false;
    bool unitBeforeHandling = false;
};
