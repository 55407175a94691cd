#include "cli/text_output.h"

#include <algorithm>
#include <utility>

namespace ddhost {
namespace {

bool IsPlain(const Json& json) { return !json.is_object() && !json.is_array(); }

std::string Scalar(const Json& json) {
    if (const std::vector<std::uint8_t>* text = NumberTextOf(json))
        return std::string(text->begin(), text->end());
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Written as nlohmann's dump writes it: a line for each member or element where there is an
// indent, and nothing between the items where there is none.
void WriteJson(const Json& json, int indent, int depth, std::string& out) {
    if (!(json.is_object() || json.is_array()) || json.empty()) {
        out += Scalar(json);
        return;
    }
    const auto newLine = [&](int level) {
        if (indent < 0) return;
        out += '\n';
        out.append(static_cast<std::size_t>(level * indent), ' ');
    };
    out += json.is_object() ? '{' : '[';
    bool first = true;
    for (const auto& [key, value] : json.items()) {
        if (!std::exchange(first, false)) out += ',';
        newLine(depth + 1);
        if (json.is_object()) out += Scalar(Json(key)) + (indent < 0 ? ":" : ": ");
        WriteJson(value, indent, depth + 1, out);
    }
    newLine(depth);
    out += json.is_object() ? '}' : ']';
}

std::string Inline(const Json& list) {
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) text += (i ? ", " : "") + Scalar(list[i]);
    return text + "]";
}

void Render(const Json& json, int indent, std::string& out);

// A value after "key:" or "- ": plain values and flat lists stay on the line.
void RenderValue(const Json& value, int indent, std::string& out) {
    if (IsPlain(value)) {
        out += " " + Scalar(value) + "\n";
    } else if (value.empty()) {
        out += value.is_array() ? " []\n" : " {}\n";
    } else if (value.is_array() && std::all_of(value.begin(), value.end(), IsPlain)) {
        out += " " + Inline(value) + "\n";
    } else {
        out += "\n";
        Render(value, indent + 2, out);
    }
}

void Render(const Json& json, int indent, std::string& out) {
    const std::string pad(static_cast<std::size_t>(indent), ' ');
    if (json.is_object()) {
        for (const auto& [key, value] : json.items()) {
            // An empty key would leave the line starting with its colon.
            out += pad + (key.empty() ? std::string("\"\"") : key) + ":";
            RenderValue(value, indent, out);
        }
    } else if (json.is_array()) {
        for (const Json& element : json) {
            if (element.is_object() && !element.empty()) {
                // The element's first line shares the dash.
                std::string nested;
                Render(element, indent + 2, nested);
                out += pad + "- " + nested.substr(static_cast<std::size_t>(indent) + 2);
            } else {
                out += pad + "-";
                RenderValue(element, indent, out);
            }
        }
    } else {
        out += pad + Scalar(json) + "\n";
    }
}

}  // namespace

std::string JsonText(const Json& json, int indent) {
    std::string out;
    WriteJson(json, indent, 0, out);
    return out;
}

std::string RenderText(const Json& json, int indent) {
    std::string out;
    Render(json, indent, out);
    return out;
}

}  // namespace ddhost
