#pragma once

#include <string>

#include "cli/describe.h"

namespace ddhost {

// Readable text of any JSON result: one "key: value" per line, nested values indented, lists
// of plain values on one line; every line starts with `indent` blanks.
std::string RenderText(const Json& json, int indent = 0);

}  // namespace ddhost
