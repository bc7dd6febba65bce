#pragma once

#include <optional>
#include <vector>

#include "core/common/outcome.h"
#include "core/gear/gear.h"

// A pair of external cylindrical gears in mesh (ISO 21771 / DIN 3960): the centre distances,
// the working pressure angle, the backlash limits from both gears' tooth-thickness
// allowances and the centre distance's deviations, the contact ratio and the tip clearances.
// Each gear is the inspection sheet's gear, so its thickness limits are the sheet's own.
// Lengths in mm, or in inches for gears given by their diametral pitch.
namespace geardim {

// One gear of the pair; what both gears share (module, pressure and helix angle, addendum)
// is the pair's.
struct PairGear {
    double teeth = 0;
    std::optional<double> shift = std::nullopt;       // x; for gear 2 solved from the centre distance when absent
    std::optional<double> tipDiameter = std::nullopt; // da; from ha* and x when absent
    double allowanceUpper = 0, allowanceLower = 0;    // Esns, Esni (normal)
};

struct PairInput {
    std::optional<double> module = std::nullopt;         // mn, mm
    std::optional<double> diametralPitch = std::nullopt; // P, 1/in
    double pressureAngleDeg = 20;                        // αn
    double helixAngleDeg = 0;                            // β, gear 1's; gear 2 has the opposite hand
    double addendum = 1;                                 // ha*
    PairGear gear1, gear2;
    // The centre distance a with its deviations; absent: the tight mesh at nominal thickness.
    std::optional<double> centreDistance = std::nullopt;
    double centreDistanceUpper = 0, centreDistanceLower = 0;
    std::optional<double> faceWidth = std::nullopt;      // b, for the overlap ratio
};

// The root clearance coefficient c* of the basic rack: root diameters df = d + 2·mn·(x − ha* − c*).
inline constexpr double kRootClearance = 0.25;

enum class PairWarning {
    BacklashNegative,         // the minimum backlash is below zero: the gears jam
    BacklashBelowRecommended, // the minimum normal backlash is below ISO/TR 10064-2's recommendation
    TipClearanceSmall,        // a tip clearance is below 0.1·mn
    ContactRatioBelowOne,     // the transverse contact ratio εα (plus εβ) is below 1: the mesh is not continuous
};

// The warning's stable name for files and scripts ("backlashNegative", ...).
const char *pairWarningCode(PairWarning warning);

struct PairGearResult {
    SheetResult sheet;            // the gear's own sheet (its thickness limits, tip and base diameters)
    double shift = 0;
    bool shiftSolved = false;     // x2 solved for zero backlash at the given centre distance
    double rootDiameter = 0;      // df
    double workingDiameter = 0;   // dw at the nominal centre distance
};

struct PairResult {
    PairInput input;
    LengthUnit unit = LengthUnit::Millimetre;
    double module = 0, pressureAngleDeg = 0, helixAngleDeg = 0;
    PairGearResult gear1, gear2;
    double sumShift = 0;                 // x1 + x2
    double referenceCentreDistance = 0;  // (z1 + z2)·mt/2
    double tightMeshCentreDistance = 0;  // zero backlash at the nominal thicknesses
    Limits centreDistance;               // nominal, max (upper deviation), min (lower deviation)
    bool centreDistanceGiven = false;
    double workingPressureAngleDeg = 0;  // αwt at the nominal centre distance (transverse)
    struct Backlash {
        double min = 0, max = 0;
    };
    Backlash circumferential;            // jwt, on the working circles
    Backlash normal;                     // jbn
    double recommendedMinimum = 0;       // ISO/TR 10064-2: (2/3)(0.06 + 0.0005·|a| + 0.03·mn) mm
    double transverseContactRatio = 0;   // εα
    std::optional<double> overlapRatio;  // εβ, with a face width (0 for spur gears)
    std::optional<double> totalContactRatio;
    double tipClearance1 = 0, tipClearance2 = 0; // gear 1's tip to gear 2's root, and the other way
    std::vector<PairWarning> warnings;
};

// Why a pair has no result: the failure, and the gear it belongs to (1 or 2; 0: the pair's).
struct PairFailure {
    Failure failure;
    int gear = 0;
};

Outcome<PairResult, PairFailure> computePair(const PairInput &input);

// The gear's sheet input inside the pair: the shared data with the gear's own.
SheetInput pairGearSheetInput(const PairInput &pair, const PairGear &gear, int which);

// The circumferential backlash on the working circles at centre distance a, for the
// generating shifts xE1 + xE2 (the shifts at the allowances): 2·a·(inv αwt − inv α0);
// none when a does not reach the base circles or the shifts give no mesh.
std::optional<double> circumferentialBacklash(const PairResult &pair, double a, double generatingShiftSum);


} // namespace geardim
