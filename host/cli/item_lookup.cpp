#include "cli/item_lookup.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "cli/text_encoding.h"
#include "engine/held_value.h"
#include "engine/object_kinds.h"

namespace ddhost {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

template <class Number>
std::optional<Number> ParseWhole(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// The whole number in `text` within the bounds; otherwise throws Error, which says what
// `subject` takes.
template <class Error>
std::int64_t WholeNumber(std::string_view text, std::string_view subject, std::int64_t minimum,
                         std::int64_t maximum) {
    const std::optional<std::int64_t> value = ParseWhole<std::int64_t>(text);
    if (!value || *value < minimum || *value > maximum) {
        throw Error(std::string(subject) + " takes a whole number from " + std::to_string(minimum) +
                    " to " + std::to_string(maximum) + ", not " + Quoted(text));
    }
    return *value;
}

// Integers from the directory fit in an int; larger ones (four-byte unsigned values, time
// stamps) are kept as floating point, which holds every whole number up to 2^53 exactly.
constexpr std::int64_t kLargestExact = std::int64_t{1} << 53;

CDDCommonVariant WholeVariant(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return CDDCommonVariant(static_cast<int>(value));
    return CDDCommonVariant(static_cast<double>(value));
}

// The shortest text that reads back as the same value: "3.4028235e+38".
template <class Floating>
std::string ShortestText(Floating value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The number that `text` gives a floating-point variable, read straight to the `Floating` that
// the variable holds, so that it is rounded once. A number nearer zero than the least that
// `Floating` holds is taken as zero, with its sign; one beyond its largest, or no number, is
// refused.
template <class Floating>
CDDCommonVariant FloatingValue(const std::string& subject, std::string_view text) {
    Floating value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    const bool number = !text.empty() && stop == end;
    // A number out of range is either beyond the largest or too small; the library's reading,
    // which runs to an infinity or to zero, tells which.
    if (number && error == std::errc::result_out_of_range &&
        std::fabs(CDDCommonVariant(std::string(text).c_str()).getDouble()) < 1.0)
        return CDDCommonVariant(text.front() == '-' ? -0.0 : 0.0);
    if (!number || error != std::errc() || !std::isfinite(value)) {
        constexpr Floating kLargest = std::numeric_limits<Floating>::max();
        throw CommandError(subject + " takes a finite number from " + ShortestText(-kLargest) +
                           " to " + ShortestText(kLargest) + ", not " + Quoted(text));
    }
    return CDDCommonVariant(static_cast<double>(value));
}

struct WholeRange {
    std::int64_t minimum;
    std::int64_t maximum;
};

// The whole numbers that a variable of the type holds; its size is at least one byte.
WholeRange RangeOf(const HeldType& type) {
    const int bits = 8 * std::min(type.size(), 7);
    if (type.type() == DD_TYPE_INTEGER) {
        const std::int64_t half = std::int64_t{1} << (bits - 1);
        return {-half, half - 1};
    }
    return {0, std::min((std::int64_t{1} << bits) - 1, kLargestExact)};
}

// "a 2-byte enumerated variable", "a text of 16 characters".
std::string TypeText(const HeldType& type) {
    const std::string size = type.givenSize() ? std::to_string(*type.givenSize()) : "";
    const std::string bytes = size.empty() ? "" : size + "-byte ";
    switch (type.type()) {
        case DD_TYPE_FLOAT:
            return "a floating-point variable";
        case DD_TYPE_STRING:
            return size.empty() ? "a text" : "a text of " + size + " characters";
        case DD_TYPE_INTEGER:
            return "a " + bytes + "integer variable";
        case DD_TYPE_UNSIGNED:
            return "a " + bytes + "unsigned variable";
        case DD_TYPE_ENUMERATED:
            return "a " + bytes + "enumerated variable";
        case DD_TYPE_BIT_ENUMERATED:
            return "a " + bytes + "bit-enumerated variable";
        case DD_TYPE_TIME_STAMP:
            return "a time stamp";
    }
    return "a variable";
}

struct Assignment {
    std::string_view name;
    std::string_view value;
};

// "NAME=VALUE" as `option` takes it, in the `form` it names.
Assignment SplitAssignment(std::string_view text, const char* option, const char* form) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        throw UsageError(std::string(option) + " expects " + form + ", got " + Quoted(text));
    }
    return {text.substr(0, equals), text.substr(equals + 1)};
}

}  // namespace

std::vector<std::string> ClosestNames(const std::vector<std::string>& names, std::string_view query,
                                      std::size_t limit) {
    const std::string wanted = Lower(query);
    const std::size_t tolerance = std::max<std::size_t>(2, wanted.size() / 3);
    // Prefix matches rank before every edit-distance match.
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const std::string& name : names) {
        const std::string lower = Lower(name);
        if (lower.rfind(wanted, 0) == 0) {
            ranked.emplace_back(lower.size() - wanted.size(), name);
        } else if (std::size_t distance = EditDistance(wanted, lower); distance <= tolerance) {
            ranked.emplace_back(names.size() + distance, name);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (std::size_t i = 0; i < ranked.size() && i < limit; ++i) {
        closest.push_back(ranked[i].second);
    }
    return closest;
}

std::string ClosestText(const std::vector<std::string>& names, std::string_view query) {
    std::string text;
    for (const std::string& name : ClosestNames(names, query))
        text += (text.empty() ? "; closest: " : ", ") + name;
    return text;
}

CommandError WrongKind(const CDDDefinition& definition, std::string_view takes) {
    return CommandError(Cp1252ToUtf8(definition.name().ptr()) + " is a " +
                        KindName(definition.getKind()) + "; " + std::string(takes));
}

const CDDObject& ResolveItem(const ReferenceObjectStore& store, std::string_view idOrName) {
    if (std::optional<DDObjectId> id = ParseWhole<DDObjectId>(idOrName)) {
        if (const CDDObject* object = store.Find(*id)) return *object;
        throw CommandError("no item with ID " + std::string(idOrName) + " in the directory (" +
                           std::to_string(store.objects().size()) + " objects)");
    }
    const std::string name = Utf8ToCp1252(idOrName).value_or(std::string(idOrName));
    if (const CDDObject* object = store.Find(name)) return *object;
    const std::string lower = Lower(name);
    std::vector<std::string> names;
    for (const auto& object : store.objects()) {
        const CStrPP& candidate = object->getcDefinition()->name();
        if (Lower(candidate.ptr()) == lower) return *object;
        names.push_back(Cp1252ToUtf8(candidate.ptr()));
    }
    throw CommandError("no item named " + Quoted(idOrName) + " in the directory" +
                       ClosestText(names, idOrName));
}

CDDCommonVariant ParseValue(std::string_view text) {
    if (std::optional<std::int32_t> number = ParseWhole<std::int32_t>(text)) {
        return CDDCommonVariant(static_cast<int>(*number));
    }
    if (std::optional<double> number = ParseWhole<double>(text)) {
        return CDDCommonVariant(*number);
    }
    std::optional<std::string> bytes = Utf8ToCp1252(text);
    if (!bytes) {
        throw CommandError("value " + Quoted(text) + " has characters outside Windows-1252");
    }
    return CDDCommonVariant(CStrPP(bytes->c_str()));
}

std::int64_t ParseWholeNumber(std::string_view text, std::string_view subject, std::int64_t minimum,
                              std::int64_t maximum) {
    return WholeNumber<UsageError>(text, subject, minimum, maximum);
}

std::int32_t ParseInteger(std::string_view text, std::string_view subject) {
    return static_cast<std::int32_t>(ParseWholeNumber(text, subject,
                                                      std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

CDDCommonVariant ParseVariableValue(const std::string& name, const HeldType& type,
                                    std::string_view text) {
    const std::string subject = "--set: " + name + ", " + TypeText(type) + ",";
    if (type.size() <= 0) throw CommandError(subject + " holds no value");
    switch (type.type()) {
        case DD_TYPE_FLOAT:
            return type.single() ? FloatingValue<float>(subject, text)
                                 : FloatingValue<double>(subject, text);
        case DD_TYPE_STRING: {
            const std::optional<std::string> bytes = Utf8ToCp1252(text);
            if (!bytes) {
                throw CommandError(subject + " cannot take " + Quoted(text) +
                                   ": it has characters outside Windows-1252");
            }
            if (type.givenSize() && bytes->size() > static_cast<std::size_t>(*type.givenSize())) {
                throw CommandError(subject + " cannot take " + Quoted(text) + ": it has " +
                                   std::to_string(bytes->size()) + " characters");
            }
            return CDDCommonVariant(CStrPP(bytes->c_str()));
        }
        case DD_TYPE_INTEGER:
        case DD_TYPE_UNSIGNED:
        case DD_TYPE_ENUMERATED:
        case DD_TYPE_BIT_ENUMERATED:
        case DD_TYPE_TIME_STAMP: {
            const WholeRange range = RangeOf(type);
            return WholeVariant(
                WholeNumber<CommandError>(text, subject, range.minimum, range.maximum));
        }
    }
    return ParseValue(text);
}

void ApplySetting(ReferenceObjectStore& store, std::string_view setting, DDContext ctx) {
    const auto [name, text] = SplitAssignment(setting, "--set", "NAME=VALUE");
    const CDDObject& item = ResolveItem(store, name);
    const CDDDefinition& definition = *item.getcDefinition();
    if (dynamic_cast<const CDDVariable*>(&item) == nullptr)
        throw WrongKind(definition, "--set gives values to variables");
    // The type and size are the variable's attributes, which its fill gives.
    const HeldType* type = store.TypeOf(ctx, definition.getID());
    store.SetCurrentValue(
        ctx, definition.getID(),
        type ? ParseVariableValue(Cp1252ToUtf8(definition.name().ptr()), *type, text)
             : ParseValue(text));
}

CDDMethodParameter ParseParameter(const ReferenceObjectStore& store, std::string_view parameter) {
    const auto [name, value] = SplitAssignment(parameter, "--param", "NAME=INT or NAME=@ITEM");
    const CStrPP text(std::string(name).c_str());
    if (value.starts_with('@')) {
        return CDDMethodParameter(
            text, ResolveItem(store, value.substr(1)).getcDefinition()->getID(), true);
    }
    return CDDMethodParameter(text, ParseInteger(value, "--param " + std::string(name)), false);
}

}  // namespace ddhost
