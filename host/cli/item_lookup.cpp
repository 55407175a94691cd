#include "cli/item_lookup.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "cli/text_encoding.h"
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
    std::string message = "no item named " + Quoted(idOrName) + " in the directory";
    const std::vector<std::string> closest = ClosestNames(names, idOrName);
    for (std::size_t i = 0; i < closest.size(); ++i) {
        message += (i == 0 ? "; closest: " : ", ") + closest[i];
    }
    throw CommandError(message);
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

void ApplySetting(ReferenceObjectStore& store, std::string_view setting) {
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        throw CommandError("--set expects NAME=VALUE, got " + Quoted(setting));
    }
    const CDDObject& item = ResolveItem(store, setting.substr(0, equals));
    const CDDDefinition& definition = *item.getcDefinition();
    if (dynamic_cast<const CDDVariable*>(&item) == nullptr) {
        throw CommandError(Cp1252ToUtf8(definition.name().ptr()) + " is a " +
                           KindName(definition.getKind()) + ", not a variable");
    }
    store.SetCurrentValue(definition.getID(), ParseValue(setting.substr(equals + 1)));
}

}  // namespace ddhost
