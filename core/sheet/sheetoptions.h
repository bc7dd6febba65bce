#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/sheet/sheetcalculation.h"

// The inputs of the sheet by name, as the command line's options and the batch's
// columns name them ("module", "pressure-angle", "internal", "gauge", ...).
namespace geardim {

enum class OptionKind {
    Number,  // a decimal number
    Flag,    // internal: present, or true/false in a batch column
    Gauge,   // ball or pin
};

struct SheetOption {
    const char *name;   // without the leading dashes
    const char *help;   // UTF-8, for --help
    OptionKind kind;
    std::optional<double> SheetInput::*optional = nullptr; // a number that may be absent
    double SheetInput::*plain = nullptr;                   // a number with a default
};

// Every input, in the order of the command line's help.
std::span<const SheetOption> sheetOptions();

// The option of that name, or nothing.
const SheetOption *findSheetOption(std::string_view name);

// Sets one input from its text. An empty text leaves the input at its default.
// Returns false, leaving the input as it was, when the text is not a valid value
// (not a number, not ball or pin, not a yes or no).
bool applySheetOption(const SheetOption &option, std::string_view text, SheetInput &in);

} // namespace geardim
