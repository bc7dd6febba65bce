#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/pair/pair.h"

// Every input of the gear pair, described once: its command-line option and batch column
// ("teeth1"), its place in a pair file (the object "pair", or "gear1"/"gear2" for what a gear
// file holds), the window's field and caption, and its help. The command line, the batch,
// pair files and the window take their inputs from this table.
namespace geardim {

struct PairOption {
    const char *name;    // the option without its dashes, and the batch's column
    int gear;            // 0: the pair's; 1 or 2: that gear's
    const char *key;     // the key in the pair file's "pair" object (gear 0 only)
    const char *caption; // the window's label ("PairInput")
    const char *help;    // for --help ("PairOption")
    std::optional<double> *(*optional)(PairInput &) = nullptr; // a number that may be absent
    double *(*plain)(PairInput &) = nullptr;                   // a number with a default
};

std::span<const PairOption> pairOptions();
const PairOption *findPairOption(std::string_view name);

// The number an input holds, nothing when absent; set one (nothing restores its default).
std::optional<double> pairOptionNumber(const PairOption &option, const PairInput &in);
void setPairOptionNumber(const PairOption &option, PairInput &in, std::optional<double> value);

// The pair's own rule between inputs: a module or a diametral pitch, not both. Nothing, or
// the failure.
std::optional<Failure> checkPairInput(const PairInput &in);

} // namespace geardim
