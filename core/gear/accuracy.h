#pragma once

#include "core/common/outcome.h"

// Flank tolerances of a cylindrical gear by its flank tolerance class, ISO 1328-1:2013
// (also DIN ISO 1328-1:2018 and ANSI/AGMA ISO 1328-1-B14): formulas in the gear's
// reference diameter, module and face width, all in mm; tolerances in µm.
namespace geardim {

inline constexpr const char *kAccuracyStandard = "ISO 1328-1:2013";

struct FlankTolerances {
    int accuracyClass = 0;
    double singlePitch = 0;     // fpT
    double cumulativePitch = 0; // FpT
    double profileSlope = 0;    // fHαT
    double profileForm = 0;     // ffαT
    double profileTotal = 0;    // FαT
    double helixSlope = 0;      // fHβT
    double helixForm = 0;       // ffβT
    double helixTotal = 0;      // FβT
    double runout = 0;          // FrT
};

struct AccuracyGear {
    double teeth = 0;
    double referenceDiameterMm = 0;
    double moduleMm = 0;
    double faceWidthMm = 0;
    double helixAngleDeg = 0;
};

// The tolerances of a class from 1 to 11, each rounded as the standard rounds it; nothing
// outside the standard's range (the failure says which bound).
Outcome<FlankTolerances> flankTolerances(const AccuracyGear &gear, double accuracyClass);

// A tolerance rounded as the standard prescribes: above 10 µm to a whole µm, from 5 to
// 10 µm to 0.5 µm, below 5 µm to 0.1 µm (half up).
double roundedTolerance(double microns);

} // namespace geardim
