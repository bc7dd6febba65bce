#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/common/text.h"
#include "core/spline/spline.h"

// Every input of the spline, described once: its command-line option and batch column
// ("pin-diameter"), its key in a spline file, the window's caption and hint, and its help.
// The command line, the batch, spline files and the window take their inputs from this table.
namespace geardim {

// The spline's inputs as typed, before the designation is read: what a file holds, what a
// batch line or the window's fields give.
struct SplineFields {
    std::string designation;
    std::optional<double> pinDiameter{}, splineLength{}, upperDeviation{}, lowerDeviation{}, effectiveVariation{}, measured{};
};

// The designation's own entry, a text: its option, batch column and file key.
inline constexpr const char *kSplineDesignation = "designation";

struct SplineOption {
    const char *name;        // the option without its dashes, and the batch's column
    const char *key;         // the key in a spline file; none: the value belongs to the part, not the spline
    const char *caption;     // the window's label ("SplineWindow")
    const char *hint;        // the window's grey text in an empty field ("SplineWindow"), or none
    const char *help;        // for --help ("CommandLine")
    const char *valueName;   // the value in --help ("D", "mm")
    std::optional<double> SplineFields::*field;
};

std::span<const SplineOption> splineOptions();
const SplineOption *findSplineOption(std::string_view name);

// The calculation's input from the typed fields, or the designation's error in words.
Outcome<SplineInput, std::string> splineInputOf(const SplineFields &fields, const TextTranslator &tr = {});

// The deviations' pairing rule: one given without the other.
bool oneDeviationAlone(const std::optional<double> &upper, const std::optional<double> &lower);

// The rules on the inputs before anything is computed: a pin and a length above zero, every
// number finite, the upper and lower deviation given together and in order, λ not negative.
std::optional<SplineFailure> checkSplineInput(const SplineInput &in);

// The deviations given one without the other, named as the user typed them: "--upper-deviation
// 和 --lower-deviation 要一起给出。" for the command line (prefix "--"), the columns for a batch.
// Empty when they go together.
std::string unpairedDeviationsText(const SplineFields &fields, std::string_view prefix, const TextTranslator &tr = {});

} // namespace geardim
