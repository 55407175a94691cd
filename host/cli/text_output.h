#pragma once

#include <string>

#include "cli/describe.h"

namespace ddhost {

// Readable text of any JSON result: one "key: value" per line, nested values indented, lists
// of plain values on one line; every line starts with `indent` blanks.
std::string RenderText(const Json& json, int indent = 0);

// The JSON's text as nlohmann's dump writes it, `indent` blanks a level or all on one line with
// -1, invalid UTF-8 replaced; a number given by its text (NumberWithText) is written as that text.
std::string JsonText(const Json& json, int indent = -1);

}  // namespace ddhost
