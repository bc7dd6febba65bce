#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/common/outcome.h"
#include "core/gear/accuracy.h"
#include "core/measure/measurement.h"

// One gear and its inspection dimensions: every dimension with the upper and lower limit
// that follow from the drawing's tooth-thickness allowances, the values for a gear-tooth
// caliper, the span and the gauges over which M is measured. The gear sheet shows it, the
// gear pair is made of two, the spline's picture draws one.
// Double precision throughout, textbook formulas; lengths in mm, or in inches when
// the gear is given by its diametral pitch.
namespace geardim {

enum class GaugeKind { Ball, Pin };

// The sheet's length unit: millimetres, or inches for a gear given by its diametral pitch.
enum class LengthUnit { Millimetre, Inch };

// "mm" or "in".
const char *unitName(LengthUnit unit);

struct SheetInput {
    std::optional<double> module = std::nullopt;          // normal module mn, mm
    std::optional<double> diametralPitch = std::nullopt;  // normal diametral pitch P, 1/in: mn = 1/P, lengths in inches
    double teeth = 0;                      // z, a whole number
    double pressureAngleDeg = 20;          // normal pressure angle αn
    double helixAngleDeg = 0;              // β; 0 for a spur gear
    bool internal = false;
    std::optional<double> shift = std::nullopt;           // profile-shift coefficient x ...
    std::optional<double> thickness = std::nullopt;       // ... or the normal tooth thickness sn on the reference circle
    double addendum = 1;                   // addendum coefficient ha* ...
    std::optional<double> tipDiameter = std::nullopt;     // ... or the tip diameter da
    double allowanceUpper = 0;             // Esns, normal, length units
    double allowanceLower = 0;             // Esni
    GaugeKind gauge = GaugeKind::Ball;
    std::optional<double> gaugeDiameter = std::nullopt;   // D; proposed when not given
    std::optional<double> faceWidth = std::nullopt;       // b; only for the width checks
    std::optional<double> spanTeeth = std::nullopt;       // k for the span, as a fixture prescribes; chosen when not given
    // Values measured on the part, each judged against the allowances when given.
    std::optional<double> measuredOverGauges = std::nullopt;       // M
    std::optional<double> measuredSpan = std::nullopt;             // W over the sheet's k
    std::optional<double> measuredChordalThickness = std::nullopt; // at the nominal chordal height
    std::optional<double> measuredConstantChord = std::nullopt;
    // The double-flank test against a master gear (same module, pressure and helix angle):
    // its teeth z3 and shift x3, and the test centre distance a″ measured.
    std::optional<double> masterTeeth = std::nullopt;
    std::optional<double> masterShift = std::nullopt;
    std::optional<double> measuredTestDistance = std::nullopt;
    // The drawing's tolerances: the flank tolerance class (ISO 1328-1:2013) and the code
    // of the shop's allowance series, which fills the allowances not typed.
    std::optional<double> accuracyClass = std::nullopt;
    std::string allowanceCode = {};
    bool allowancesFromCode = false;                 // the allowances came from the code
    // Whether each allowance was given (typed, or in the file) rather than left empty: an
    // allowance not given is the code's, or none, and a file keeps it out.
    bool allowanceUpperGiven = true, allowanceLowerGiven = true;
    // For the drawing's data table only.
    enum class Hand { None, Left, Right } hand = Hand::None;
    std::string matingDrawing = {};                  // the mating gear's drawing number
};

// The input that holds the measured value of a dimension.
std::optional<double> SheetInput::*measuredInput(MeasuredDimension dimension);

// A dimension at the nominal thickness and at the two allowances: max and min are
// the larger and the smaller of the two limits, whichever allowance gives them. A
// drawing states them as nominal, then max − nominal and min − nominal: for an internal
// gear's M or a height that grows as the tooth thins, max comes from Esni.
struct Limits {
    double nominal = 0;
    double max = 0;
    double min = 0;
};

// The base tangent length over another span count, nominal.
struct SpanNeighbour {
    int teeth = 0;
    double nominal = 0;
};

struct SpanResult {
    int teeth = 0;             // span count k
    bool chosen = false;       // k as the inspector gave it, not the sheet's choice
    Limits length;             // base tangent length W
    double contactDiameter = 0; // d_W, the circle where the anvils touch the flanks, nominal
    std::vector<SpanNeighbour> neighbours; // W over k − 1 and k + 1, where those spans exist
};

// Something the inspector should know; the sheet still has its numbers.
enum class SheetWarning {
    SpanContactAboveTip,      // the span's anvils touch above the tip circle
    SpanContactOffInvolute,   // the span's anvils touch below the base circle (W ≤ 0)
    SpanFaceTooNarrow,        // b < W·sin βb + margin
    SpanNotPossible,          // the span would cover every tooth or more: no span is given
    GaugeContactAboveTip,     // the gauge touches the flank beyond the tip (external) or inside it (internal)
    GaugeContactBelowBase,    // the gauge touches below the base circle
    GaugeNotClearOfTip,       // the gauge does not stand out of the tooth spaces
    PinsFaceTooNarrow,        // pins on an odd helical gear need half an axial pitch of face width
    PointedTip,               // the teeth come to a point below the tip circle (s_a ≤ 0)
    ThinTip,                  // the tooth is thinner than 0.2·mn on the tip circle
    Undercut,                 // the generating rack undercuts the teeth: x below the least shift
    ChordAboveTip,            // a caliper's chord lies on or above the tip circle: no caliper value
    AllowancesNotGiven,       // Esns equals Esni: the limits are the nominal, measured values are not judged
};

// The warning's stable name for files and scripts ("spanContactAboveTip", ...).
const char *sheetWarningCode(SheetWarning warning);

struct SheetResult {
    SheetInput input;                          // what the sheet was computed from
    LengthUnit unit = LengthUnit::Millimetre;
    // The gear as computed.
    double module = 0, teeth = 0, pressureAngleDeg = 0, helixAngleDeg = 0;
    bool internal = false;
    double referenceDiameter = 0, baseDiameter = 0, tipDiameter = 0;
    double allowanceUpper = 0, allowanceLower = 0;
    double shift = 0, shiftAtUpper = 0, shiftAtLower = 0; // x and x_E
    Limits thickness;                          // sn
    std::optional<Limits> chordalThickness;    // external gears only
    std::optional<Limits> chordalHeight;
    std::optional<Limits> constantChord;
    std::optional<Limits> constantChordHeight;
    std::optional<Limits> tipThickness;        // normal tooth thickness on the tip circle s_a
    Limits overGauges;                         // M: over (external) or between (internal)
    Limits radial;                             // (dK ± D)/2
    std::optional<SpanResult> span;            // external gears whose span is measurable
    GaugeKind gauge = GaugeKind::Ball;
    double gaugeDiameter = 0;
    bool gaugeProposed = false;
    std::optional<double> gaugeIdeal;          // the diameter a proposed gauge was rounded up from
    double gaugeCentreDiameter = 0;            // dK at the nominal thickness
    bool gaugesOpposite = false;               // the two gauges stand on one diameter
    Limits gaugeContactDiameter;
    std::vector<SheetWarning> warnings;
    double leastShiftWithoutUndercut = 0;      // named by the undercut warning
    // The measured values given, in the order of kMeasuredDimensions: each judged, or the
    // reason it means nothing for this gear.
    struct Measurement {
        MeasuredDimension dimension;
        double value;
        MeasuredOutcome outcome;
    };
    std::vector<Measurement> measurements;
    std::optional<FlankTolerances> accuracy;   // by the class, when one was given
    // The double-flank test's centre distance a″ with the master (external gears with a
    // master given): tight mesh at the nominal thickness and at each allowance; the thicker
    // tooth (Esns) gives the larger distance.
    std::optional<Limits> testCentreDistance;
};

// The margin beside the span's anvils: b must exceed W·sin βb by this much.
inline constexpr double kSpanFaceMarginMm = 2;
inline constexpr double kSpanFaceMarginIn = 0.08;

Outcome<SheetResult> computeSheet(const SheetInput &in);

// The part's verdict from the values measured on it (a value that means nothing for the
// gear is not judged); none when nothing was measured.
std::optional<PartVerdict> sheetPartVerdict(const SheetResult &sheet);

// The warning in plain Chinese, UTF-8; "%1" in it stands for a figure of the sheet
// (the least shift of the undercut warning), filled in by the report.
const char *sheetWarningText(SheetWarning warning);

// Decimals lengths are shown with: 4 in mm, 5 in inches.
int lengthDecimals(LengthUnit unit);
int sheetDecimals(const SheetResult &r);

} // namespace geardim
