#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/gear/gear.h"

// Every input of the sheet, described once: its command-line option and batch column
// ("pressure-angle"), its place in a gear file ("gear" / "pressureAngle"), the window's
// field ("pressureAngle") and caption, the help, the range a gear file accepts and, in
// SheetInput itself, the default. The command line, the batch, the gear files and the
// window all take their inputs from this table.
namespace geardim {

enum class OptionKind {
    Number,  // a decimal number
    Flag,    // internal: present, or true/false in a batch column
    Gauge,   // ball or pin
    Text,    // a word or a code, as typed
    Hand,    // left or right (the helix's hand)
};

struct SheetOption {
    const char *name;     // the option without its dashes, and the batch's column
    const char *group;    // the gear file's object holding it: "gear", "allowances" or "gauge"; null: not in a file
    const char *key;      // the key in that object
    const char *field;    // the window's field (objectName); null for a choice of buttons
    const char *caption;  // the window's label, UTF-8, a text to translate ("SheetInput")
    const char *hint;     // the field's placeholder, or null ("SheetInput")
    const char *help;     // UTF-8, for --help ("SheetOption")
    OptionKind kind;
    std::optional<double> SheetInput::*optional = nullptr; // a number that may be absent
    double SheetInput::*plain = nullptr;                   // a number with a default
    bool (*inRange)(double) = nullptr;                     // what a gear file accepts; null: any number
    const char *range = "";                                // that range in words ("GearFile")
    std::string SheetInput::*text = nullptr;               // a Text input
};

// Every input, in the order of the command line's help.
std::span<const SheetOption> sheetOptions();

// The option of that name (command line, batch column), or nothing.
const SheetOption *findSheetOption(std::string_view name);

// The number an input holds, nothing when absent (Number inputs only).
std::optional<double> optionNumber(const SheetOption &option, const SheetInput &in);
// Sets a Number input; nothing restores its default.
void setOptionNumber(const SheetOption &option, SheetInput &in, std::optional<double> value);
// True when a gear file accepts the value.
bool optionAccepts(const SheetOption &option, double value);

// Sets one input from its text. An empty text leaves the input at its default.
// Returns false, leaving the input as it was, when the text is not a valid value
// (not a number, not ball or pin, not a yes or no).
bool applySheetOption(const SheetOption &option, std::string_view text, SheetInput &in);
// The input as applySheetOption reads it back: a number in its shortest exact form, true or
// false, ball or pin, left or right, the text as typed; empty when not given.
std::string sheetOptionText(const SheetOption &option, const SheetInput &in);

} // namespace geardim
