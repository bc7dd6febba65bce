#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/gear/allowancetable.h"
#include "core/drawing/drawing.h"
#include "core/measure/measurement.h"
#include "core/common/outcome.h"
#include "core/gear/gear.h"

// Involute splines as drawings designate them, ISO 4156 (identical in GB/T 3478.1) and
// DIN 5480: their basic dimensions, the limits of the tooth thickness or space width, and the
// dimension over two pins (shaft) or between two pins (hub) for each limit.
namespace geardim {

enum class SplineStandard { Iso4156, Din5480 };

// The root forms of ISO 4156: 30° flat root (30P), 30° fillet root (30R), 37.5° and 45°
// (both fillet root). DIN 5480 splines have a 30° pressure angle and are kept as FilletRoot30.
enum class SplineRoot { FlatRoot30, FilletRoot30, Fillet37_5, Fillet45 };

struct SplineDesignation {
    SplineStandard standard = SplineStandard::Iso4156;
    bool internal = false;
    double module = 0;
    int teeth = 0;
    SplineRoot root = SplineRoot::FlatRoot30;
    double pressureAngle = 30; // degrees
    int toleranceClass = 0;    // ISO 4156: 4, 5, 6 or 7; DIN 5480: the quality as written; 0: none
    std::string fit;           // ISO 4156: H, or h, js, k, f, e, d; DIN 5480: as written
    double referenceDiameter = 0; // DIN 5480: the reference diameter dB
};

// The part of a designation that could not be read, as the user wrote it ("25q", "ISO 4165").
struct DesignationError {
    std::string part;
};

// Reads "INT 25z × 1m × 30P × 5H ISO 4156", "EXT 24z x 2.5m x 30R x 6f" (× or x, spaces
// optional, 内花键/外花键 for INT/EXT, ISO 4156 or GB/T 3478.1 at the end or left out, the
// tolerance part left out for a spline without limits) and "DIN 5480 - W 50 x 2 x 24 x 8f"
// (W shaft, N hub).
std::variant<SplineDesignation, DesignationError> parseSplineDesignation(std::string_view text);

// A size and its limits: the actual size (one space or tooth) and the effective size (the
// spline as its mate sees it, with the effective variation λ).
struct SplineLimits {
    double nominal = 0;
    std::optional<double> actualMax, actualMin, effectiveMax, effectiveMin;
};

struct SplineInput {
    SplineDesignation designation;
    std::optional<double> pinDiameter{};   // none: the proposed pin
    std::optional<double> splineLength{};  // g, for the helix deviation in λ; none: g = D, with a warning
    // DIN 5480: the tolerances of the space width or tooth thickness, typed (mm): the actual
    // upper and lower deviations and the effective variation λ. None: nominal only.
    std::optional<double> upperDeviation{}, lowerDeviation{}, effectiveVariation{};
    // The dimension measured over or between the pins on the part, to be judged.
    std::optional<double> measured{};
    // DIN 5480 without typed deviations: the shop's allowance table, whose rows for the
    // designation's tolerance ("8f") by the reference diameter dB give the actual upper
    // and lower deviations of the tooth thickness or space width (µm).
    const AllowanceTable *allowances = nullptr;
};

// A measured dimension read back: the actual tooth thickness (shaft) or space width (hub)
// it means, and the verdict against the actual limits (none without limits). A hub's space
// too wide leaves its teeth thin.
struct SplineMeasured {
    double value = 0;
    std::optional<double> size;          // none when the pins do not fit the spline
    Verdict verdict = Verdict::NotJudged; // NotJudged without actual limits: never a pass
};

enum class SplineWarning {
    ContactOffFlank,        // the pin touches the flank outside the teeth's height (past the tip, or
                            // below the mate's tip, where the flank is not involute)
    LengthAssumed,          // the spline length g was not given: λ takes g as the reference diameter
    PinDoesNotFit,          // no pin of the proposal, or the typed one, stands on the flanks: no dimension over pins
    ToleranceNotApplied,    // DIN 5480: the designation's tolerance has no deviations (none typed, no table):
                            // nominal sizes only, a measured value is not judged
    VariationExceedsTolerance, // λ is larger than the total tolerance T + λ: the actual limits cross
};

struct SplineResult {
    SplineInput input;
    double referenceDiameter = 0; // D = m·z
    double baseDiameter = 0;      // Db = D·cos αD
    double circularPitch = 0;     // p = π·m
    double majorDiameter = 0;
    double minorDiameter = 0;
    std::optional<double> formDiameter; // ISO 4156: DFe max (shaft), DFi min (hub)
    double profileShift = 0;      // x·m, the hub's of opposite sign to its shaft's; DIN 5480 only
    double totalTolerance = 0;    // T + λ, ISO 4156 with a class
    double effectiveVariation = 0; // λ
    SplineLimits thickness;       // tooth thickness (shaft) or space width (hub)
    double pinDiameter = 0;
    double proposedPin = 0;
    std::optional<double> contactDiameter; // of the pin with the flank, at the nominal size
    std::optional<SplineLimits> dimension; // over pins (shaft) or between pins (hub); none when the pin does not fit
    std::optional<double> span;   // shaft: base tangent length over spanTeeth teeth
    // Its limits from the actual tooth thickness limits: W moves by Δs·cos αD.
    std::optional<double> spanMax, spanMin;
    int spanTeeth = 0;
    std::optional<SplineMeasured> measured;
    std::vector<SplineWarning> warnings;
};

enum class SplineFailure {
    ModuleNotPositive,    // the module lies outside the sheet's range, 0.001 to 10000 mm
    TooFewTeeth,          // fewer than 6 teeth
    PinNotPositive,
    LengthNotPositive,
    ReferenceDiameterTooSmall, // DIN 5480: dB does not hold the teeth
    ReferenceDiameterMismatch, // DIN 5480: dB lies so far from m·z that the profile shift passes ±1
    DeviationsReversed,
    DeviationsUnpaired,   // an upper deviation without the lower, or the lower without the upper
    FitOutsideTable,      // f, e or d for a reference diameter above 500 mm
    MeasuredNotPossible,  // the measured dimension cannot come from these pins (centres inside the base circle)
    ToleranceNotInTable,  // DIN 5480: the allowance table has no row for the tolerance at dB
    VariationNegative,    // a typed effective variation λ below zero
    ResultOutOfRange,     // a result overflows or is not a finite number
};

using SplineOutcome = Outcome<SplineResult, SplineFailure>;

SplineOutcome computeSpline(const SplineInput &input);

// The tooth thickness (shaft) or space width (hub) on the reference circle that gives the
// dimension m over or between pins of diameter pin; none when no such spline exists.
std::optional<double> splineSizeFromDimension(const SplineResult &geometry, double m, double pin);

// The diameter over (shaft) or between (hub) two pins of diameter pin for a tooth thickness
// or space width w on the reference circle; none if the pin centre is off the involute.
std::optional<double> splinePinDimension(const SplineResult &geometry, double w, double pin);

// The spline as the inspection sheet's gear at its nominal size, measured over or between
// the same pins: the sheet draws its picture, and its M is the spline's nominal dimension.
SheetInput splineAsGear(const SplineResult &spline);

// The pins in the spline at its nominal size drawn to scale, with the spline's own teeth:
// involute flanks from the form circle to the tip, and the root form of its designation
// (flat root with rounded corners, or one fillet); a hub drawn in its ring. None when the
// sheet cannot draw the set-up.
std::optional<MeasurementDrawing> splineDrawing(const SplineResult &spline);

} // namespace geardim
