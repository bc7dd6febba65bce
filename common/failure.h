#pragma once

#include <optional>

// Why a computation has no result, and what the user is told about it.
namespace geardim {

enum class Failure {
    ModuleNotPositive,
    TeethNotPositive,
    TeethBelowOne,
    PressureAngleOutOfRange,
    HelixAngleOutOfRange,
    PinNotPositive,
    PinNegative,
    RootDiameterNotPositive,
    SpanCountUndefined,
    PinCentreOffInvolute,
    ContactCircleInsideBase,
    EstimateNotConverged,
    NoPositivePin,
    PinCentresInsideBase,
    ChordNotShorterThanDiameter,
    ResultOutOfRange,
};

// The warning shown for a failure, in plain Chinese, UTF-8: which condition
// failed and what to change.
const char *failureText(Failure failure);

// The range checks shared by every window that takes a gear's data.
// Values are as typed (angles in degrees).
std::optional<Failure> checkModule(double m);
std::optional<Failure> checkTeeth(double z);
std::optional<Failure> checkPressureAngle(double alphaDegrees);
std::optional<Failure> checkHelixAngle(double betaDegrees);
// Module, teeth, pressure angle and helix angle, in this order.
std::optional<Failure> checkGear(double m, double z, double alphaDegrees, double betaDegrees);

} // namespace geardim
