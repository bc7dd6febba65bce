#pragma once

#include <optional>

// Why a computation has no result, and what the user is told about it.
namespace geardim {

enum class Failure {
    ModuleNotPositive, // The module is zero, negative or not a number.
    TeethNotPositive, // The tooth count is zero or negative.
    TeethBelowOne, // The pin check needs at least one tooth.
    PressureAngleOutOfRange, // The pressure angle is not between 0° and 90°.
    HelixAngleOutOfRange, // The helix angle is not between −90° and 90°.
    PinNotPositive, // The pin or ball diameter of an M value is zero or negative.
    PinNegative, // A pin or ball diameter is negative.
    RootDiameterNotPositive, // The root diameter typed into the check prompt is zero or negative.
    SpanCountUndefined, // The span rule takes the root of a negative number: too much negative shift.
    PinCentreOffInvolute, // The pin centre's pressure angle does not converge or lies outside (0, π/2).
    ContactCircleInsideBase, // The circle a proposed ball should touch lies inside the base circle.
    EstimateNotConverged, // The ball estimate's iteration does not converge or ends outside (0, π/2).
    NoPositivePin, // The proposed ball diameter comes out zero or negative.
    PinCentresInsideBase, // The circle through the measured pin centres lies inside the base circle.
    ChordNotShorterThanDiameter, // A measured chordal thickness is not shorter than the virtual reference diameter.
    SpanLengthTooShort, // A measured base tangent length gives a span of fewer than one tooth.
    SizeNotGiven, // The sheet needs either a module or a diametral pitch, not both.
    ShiftAndThicknessBoth, // The sheet takes the profile shift or the tooth thickness, not both.
    TeethNotWhole, // The sheet's tooth count is not a whole number of at least 1.
    ThicknessNotPositive, // The tooth thickness, with an allowance, is zero or negative.
    TipDiameterNotPositive, // A given tip diameter is zero or negative.
    AddendumNegative, // The addendum coefficient is negative.
    FaceWidthNotPositive, // A given face width is zero or negative.
    ResultOutOfRange, // A result overflows or is not a finite number.
    TooFewTeeth, // The sheet's gear has fewer than 3 teeth: it can be neither made nor measured.
    SpanTeethOutOfRange, // The span count given for the sheet is not a whole number from 1 to z − 1.
    AllowancesReversed, // The upper tooth-thickness allowance lies below the lower one.
    MeasuredValueNotPositive, // A measured value is zero, negative or not a number.
    MeasuredGaugeCentreInsideBase, // A measured M puts the gauge centres inside the base circle.
    MeasuredDimensionNotGiven, // The sheet gives no such dimension for this gear (span, chords of an internal gear).
    AccuracyClassOutOfRange, // The flank tolerance class is not a whole number from 1 to 11.
    AccuracyNeedsFaceWidth, // Flank tolerances need the face width.
    AccuracyTeethOutside, // ISO 1328-1 covers 5 to 1000 teeth.
    AccuracyDiameterOutside, // ISO 1328-1 covers reference diameters of 5 to 15 000 mm.
    AccuracyModuleOutside, // ISO 1328-1 covers modules of 0.5 to 70 mm.
    AccuracyFaceWidthOutside, // ISO 1328-1 covers face widths of 4 to 1200 mm.
    AccuracyHelixOutside, // ISO 1328-1 covers helix angles up to 45°.
    AllowanceCodeWithoutTable, // An allowance code was given, but no allowance table.
    AllowanceCodeUnknown, // The allowance table has no such code.
    AllowanceCodeNoDiameter, // The code has no row whose diameter range holds the gear's d.
    ModuleOutOfRange, // The sheet's module lies outside 0.001 to 10000 mm: its results would underflow or overflow.
    DiametralPitchOutOfRange, // The sheet's diametral pitch lies outside 0.00254 to 25400 1/in (the same modules).
    CentreDistanceTooSmall, // The pair's centre distance does not exceed the sum of the base radii: no involute mesh.
    CentreDeviationsReversed, // The centre distance's upper deviation lies below its lower one.
    PairNoMesh, // The pair's shifts are so negative that no centre distance gives a mesh (inv α ≤ 0).
    MasterTeethNotWhole, // The master gear's tooth count is not a whole number of at least 3.
};

// The warning shown for a failure, in plain Chinese, UTF-8: which condition
// failed and what to change.
const char *failureText(Failure failure);

// The range checks shared by every window that takes a gear's data.
// Values are as typed (angles in degrees).
std::optional<Failure> checkModule(double m);

// The modules a sheet or a spline takes, in mm: from a watch's gear to the largest ring
// gear, with room on both sides; beyond them the results underflow or overflow.
inline constexpr double kLeastModuleMm = 0.001;
inline constexpr double kGreatestModuleMm = 10000;
inline bool moduleInRange(double mm) { return mm >= kLeastModuleMm && mm <= kGreatestModuleMm; }
// The same range as a diametral pitch (1/in): P = 25.4 / mn.
inline bool diametralPitchInRange(double p) { return p >= 0.00254 && p <= 25400; }
std::optional<Failure> checkTeeth(double z);
std::optional<Failure> checkPressureAngle(double alphaDegrees);
std::optional<Failure> checkHelixAngle(double betaDegrees);
// Module, teeth, pressure angle and helix angle, in this order.
std::optional<Failure> checkGear(double m, double z, double alphaDegrees, double betaDegrees);

} // namespace geardim
