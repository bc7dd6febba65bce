#include "core/spline/spline.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <numbers>

#include "core/common/numberparse.h"
#include "core/geometry/involute.h"
#include "core/spline/splineinputs.h"
#include "core/gear/gaugeseries.h"

namespace geardim {
namespace {

constexpr double kPiExact = std::numbers::pi;

std::string_view spaceTrimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string withoutSpaces(std::string_view s)
{
    std::string out;
    for (char c : s) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += c;
    }
    return out;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(s[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// The fields between the separators ×, x, X and *, each without its spaces.
std::vector<std::string> fields(std::string_view s)
{
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.substr(i, 2) == "\xC3\x97") { // ×
            out.emplace_back();
            ++i;
        } else if (s[i] == 'x' || s[i] == 'X' || s[i] == '*') {
            out.emplace_back();
        } else if (!std::isspace(static_cast<unsigned char>(s[i]))) {
            out.back() += s[i];
        }
    }
    return out;
}

// A positive number followed by the one letter unit (z, m), either case; or nothing.
std::optional<double> numberWith(const std::string &field, char unit)
{
    if (field.size() < 2 || std::tolower(static_cast<unsigned char>(field.back())) != unit)
        return std::nullopt;
    const std::optional<double> v = parseDouble(field.substr(0, field.size() - 1));
    if (!v || !(*v > 0) || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

std::optional<int> wholeTeeth(const std::string &field, bool withUnit)
{
    const std::string digits = withUnit ? field.substr(0, field.empty() ? 0 : field.size() - 1) : field;
    if (withUnit && (field.empty() || std::tolower(static_cast<unsigned char>(field.back())) != 'z'))
        return std::nullopt;
    if (digits.empty() || digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(digits);
}

// "5H", "6f", "7js": the class, then the fit.
bool readTolerance(const std::string &field, SplineDesignation &d)
{
    std::size_t i = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9')
        ++i;
    if (i == 0 || i > 2)
        return false;
    d.toleranceClass = std::stoi(field.substr(0, i));
    d.fit = field.substr(i);
    if (d.standard == SplineStandard::Iso4156) {
        if (d.toleranceClass < 4 || d.toleranceClass > 7)
            return false;
        if (d.internal)
            return d.fit == "H";
        return d.fit == "h" || d.fit == "js" || d.fit == "k" || d.fit == "f" || d.fit == "e" || d.fit == "d";
    }
    // DIN 5480: a quality and a deviation letter, lower case for a shaft, upper case for a hub.
    if (d.fit.empty() || d.fit.size() > 2)
        return false;
    return std::all_of(d.fit.begin(), d.fit.end(), [&](char c) { return d.internal ? std::isupper(static_cast<unsigned char>(c)) : std::islower(static_cast<unsigned char>(c)); });
}

std::variant<SplineDesignation, DesignationError> parseIso(std::string_view s)
{
    SplineDesignation d;
    d.standard = SplineStandard::Iso4156;
    if (startsWithNoCase(s, "INT") || s.substr(0, 9) == "内花键") {
        d.internal = true;
        s.remove_prefix(startsWithNoCase(s, "INT") ? 3 : 9);
    } else if (startsWithNoCase(s, "EXT") || s.substr(0, 9) == "外花键") {
        s.remove_prefix(startsWithNoCase(s, "EXT") ? 3 : 9);
    } else {
        const std::size_t end = s.find(' ');
        return DesignationError{std::string(s.substr(0, end))};
    }
    // The standard at the end, if written: ISO 4156 or GB/T 3478.1.
    for (const char *name : {"ISO", "GB/T"}) {
        std::size_t at = std::string_view::npos;
        for (std::size_t i = 0; i + std::strlen(name) <= s.size(); ++i) {
            if (startsWithNoCase(s.substr(i), name))
                at = i;
        }
        if (at == std::string_view::npos)
            continue;
        const std::string number = withoutSpaces(s.substr(at + std::strlen(name)));
        const bool known = std::string_view(name) == "ISO" ? (number == "4156" || number == "4156-1")
                                                           : (number == "3478.1" || number == "3478");
        if (!known)
            return DesignationError{std::string(spaceTrimmed(s.substr(at)))};
        s = s.substr(0, at);
        break;
    }
    const std::vector<std::string> f = fields(s);
    if (f.size() < 3 || f.size() > 4)
        return DesignationError{std::string(spaceTrimmed(s))};
    const std::optional<int> z = wholeTeeth(f[0], true);
    if (!z)
        return DesignationError{f[0]};
    d.teeth = *z;
    const std::optional<double> m = numberWith(f[1], 'm');
    if (!m)
        return DesignationError{f[1]};
    d.module = *m;
    std::string root = f[2];
    if (root.size() >= 2 && root.substr(root.size() - 2) == "\xC2\xB0") // °
        root.resize(root.size() - 2);
    if (root == "30P" || root == "30p") {
        d.root = SplineRoot::FlatRoot30;
    } else if (root == "30R" || root == "30r") {
        d.root = SplineRoot::FilletRoot30;
    } else if (root == "37.5") {
        d.root = SplineRoot::Fillet37_5;
        d.pressureAngle = 37.5;
    } else if (root == "45") {
        d.root = SplineRoot::Fillet45;
        d.pressureAngle = 45;
    } else {
        return DesignationError{f[2]};
    }
    if (f.size() == 4 && !readTolerance(f[3], d))
        return DesignationError{f[3]};
    return d;
}

std::variant<SplineDesignation, DesignationError> parseDin(std::string_view s)
{
    SplineDesignation d;
    d.standard = SplineStandard::Din5480;
    d.root = SplineRoot::FilletRoot30;
    std::string rest = withoutSpaces(s.substr(3)); // after "DIN"
    if (rest.rfind("5480", 0) != 0)
        return DesignationError{std::string(spaceTrimmed(s.substr(0, std::min<std::size_t>(s.size(), 12))))};
    rest = rest.substr(4);
    if (!rest.empty() && rest.front() == '-')
        rest = rest.substr(1);
    if (rest.empty() || (rest.front() != 'W' && rest.front() != 'N'))
        return DesignationError{rest.substr(0, 1)};
    d.internal = rest.front() == 'N';
    const std::vector<std::string> f = fields(rest.substr(1));
    if (f.size() < 3 || f.size() > 4)
        return DesignationError{rest};
    const std::optional<double> dB = parseDouble(f[0]);
    if (!dB || !(*dB > 0) || !std::isfinite(*dB))
        return DesignationError{f[0]};
    d.referenceDiameter = *dB;
    const std::optional<double> m = parseDouble(f[1]);
    if (!m || !(*m > 0) || !std::isfinite(*m))
        return DesignationError{f[1]};
    d.module = *m;
    const std::optional<int> z = wholeTeeth(f[2], false);
    if (!z)
        return DesignationError{f[2]};
    d.teeth = *z;
    if (f.size() == 4 && !readTolerance(f[3], d))
        return DesignationError{f[3]};
    return d;
}

// ISO 286-1, the fundamental (upper) deviations of shafts f, e and d in µm, by the nominal
// size over the lower bound up to and including the upper one.
struct ShaftDeviations {
    double upTo, d, e, f;
};
constexpr std::array<ShaftDeviations, 13> kIso286 = {{
    {3, -20, -14, -6},      {6, -30, -20, -10},     {10, -40, -25, -13},    {18, -50, -32, -16},
    {30, -65, -40, -20},    {50, -80, -50, -25},    {80, -100, -60, -30},   {120, -120, -72, -36},
    {180, -145, -85, -43},  {250, -170, -100, -50}, {315, -190, -110, -56}, {400, -210, -125, -62},
    {500, -230, -135, -68},
}};

// The effective upper deviation es_v of an external ISO 4156 spline in mm, or none when the
// reference diameter lies beyond ISO 286's table for f, e and d.
std::optional<double> effectiveUpperDeviation(const std::string &fit, double D, double totalTolerance)
{
    if (fit == "h")
        return 0.0;
    if (fit == "js") // half the total tolerance, to the whole micrometre (ISO 4156-1, A.6: 28 µm)
        return std::round(totalTolerance * 1000 / 2) / 1000;
    if (fit == "k")
        return totalTolerance;
    for (const ShaftDeviations &row : kIso286) {
        if (D <= row.upTo)
            return (fit == "d" ? row.d : fit == "e" ? row.e : row.f) / 1000;
    }
    return std::nullopt;
}

// The major and minor diameters of ISO 4156-1 (basic, before their tolerances), in modules
// about m·z: the shaft's major and minor, then the hub's minor and major.
struct RootForm {
    double shaftMajor, shaftMinor, hubMinor, hubMajor;
};
RootForm rootForm(SplineRoot root)
{
    switch (root) {
    case SplineRoot::FlatRoot30:
        return {1, -1.5, -1, 1.5};
    case SplineRoot::FilletRoot30:
        return {1, -1.8, -1, 1.8};
    case SplineRoot::Fillet37_5:
        return {0.9, -1.4, -0.9, 1.4};
    case SplineRoot::Fillet45:
        return {0.8, -1.2, -0.8, 1.2};
    }
    return {};
}

// The pressure angle at the pin centre, external or internal.
std::optional<double> pinCentreAngleOf(const SplineResult &g, double w, double pin)
{
    const double alpha = g.input.designation.pressureAngle * kPiExact / 180;
    const double D = g.referenceDiameter, Db = g.baseDiameter;
    const int z = g.input.designation.teeth;
    const double target = g.input.designation.internal ? w / D + inv(alpha) - pin / Db
                                                       : w / D + inv(alpha) + pin / Db - kPiExact / z;
    if (!(target > 0) || !std::isfinite(target))
        return std::nullopt;
    const std::optional<double> a = involuteAngle(target);
    if (!a || !(*a > 0) || !(*a < kPiExact / 2))
        return std::nullopt;
    return a;
}

// The pin that touches the flank on the reference circle, for pressure angles other than 30°.
double pinTouchingReference(const SplineResult &g, double w)
{
    const double alpha = g.input.designation.pressureAngle * kPiExact / 180;
    const double Db = g.baseDiameter;
    const bool internal = g.input.designation.internal;
    // The contact lies on the reference circle when the pin centre's roll length differs from
    // the reference circle's by the pin's radius: a root of this, increasing in the pin.
    const auto miss = [&](double pin) {
        const std::optional<double> a = pinCentreAngleOf(g, w, pin);
        if (!a)
            return internal ? 1.0 : -1.0;
        const double roll = Db / 2 * std::tan(*a) + (internal ? pin / 2 : -pin / 2);
        return internal ? Db / 2 * std::tan(alpha) - roll : roll - Db / 2 * std::tan(alpha);
    };
    double lo = 1e-9 * g.circularPitch, hi = g.circularPitch;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (miss(mid) < 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

} // namespace

std::variant<SplineDesignation, DesignationError> parseSplineDesignation(std::string_view text)
{
    const std::string_view s = spaceTrimmed(text);
    if (s.empty())
        return DesignationError{""};
    if (startsWithNoCase(s, "DIN"))
        return parseDin(s);
    return parseIso(s);
}

std::optional<double> splinePinDimension(const SplineResult &g, double w, double pin)
{
    const std::optional<double> a = pinCentreAngleOf(g, w, pin);
    if (!a)
        return std::nullopt;
    const int z = g.input.designation.teeth;
    // Two pins in opposite spaces; with an odd count the spaces lie half a pitch off the diameter.
    const double across = g.baseDiameter / std::cos(*a) * (z % 2 == 0 ? 1.0 : std::cos(kPiExact / (2 * z)));
    return g.input.designation.internal ? across - pin : across + pin;
}

std::optional<double> splineSizeFromDimension(const SplineResult &g, double m, double pin)
{
    const SplineDesignation &d = g.input.designation;
    const int z = d.teeth;
    const double alpha = d.pressureAngle * kPiExact / 180;
    const double across = g.baseDiameter * (z % 2 == 0 ? 1.0 : std::cos(kPiExact / (2 * z)));
    const double centres = d.internal ? m + pin : m - pin; // the diameter through the pin centres, times cos(90°/z) when odd
    if (!(centres > across) || !std::isfinite(centres))
        return std::nullopt;
    const double a = std::acos(across / centres);
    const double w = d.internal ? g.referenceDiameter * (inv(a) - inv(alpha) + pin / g.baseDiameter)
                                : g.referenceDiameter * (inv(a) - inv(alpha) - pin / g.baseDiameter + kPiExact / z);
    if (!(w > 0) || !std::isfinite(w))
        return std::nullopt;
    return w;
}

SplineOutcome computeSpline(const SplineInput &input)
{
    const SplineDesignation &d = input.designation;
    if (!moduleInRange(d.module))
        return SplineFailure::ModuleNotPositive;
    if (d.teeth < 6)
        return SplineFailure::TooFewTeeth;
    if (const std::optional<SplineFailure> refused = checkSplineInput(input))
        return *refused;
    // ISO 4156's classes are 4 to 7 (a designation that reads is one of them).
    if (d.standard == SplineStandard::Iso4156 && d.toleranceClass != 0 && (d.toleranceClass < 4 || d.toleranceClass > 7))
        return SplineFailure::FitOutsideTable;

    SplineResult r;
    r.input = input;
    const double m = d.module;
    const double z = d.teeth;
    const double alpha = d.pressureAngle * kPiExact / 180;
    r.referenceDiameter = m * z;
    r.baseDiameter = r.referenceDiameter * std::cos(alpha);
    r.circularPitch = kPiExact * m;
    if (d.standard == SplineStandard::Iso4156) {
        const RootForm f = rootForm(d.root);
        r.majorDiameter = m * (z + (d.internal ? f.hubMajor : f.shaftMajor));
        r.minorDiameter = m * (z + (d.internal ? f.hubMinor : f.shaftMinor));
    } else {
        // DIN 5480: the profile shift puts the reference diameter dB 1.1·m above m·z; the
        // basic rack has an addendum of 0.45·m and a dedendum of 0.55·m.
        const double dB = d.referenceDiameter;
        // The hub's shift is the shaft's, negative: its space is as wide as the shaft's tooth.
        r.profileShift = (d.internal ? -1 : 1) * (dB - m * z - 1.1 * m) / 2;
        if (!(dB - 2 * m > r.baseDiameter))
            return SplineFailure::ReferenceDiameterTooSmall;
        // DIN 5480's shifts lie between −0.05 and 0.45; beyond ±1 the teeth are no spline's.
        if (!(std::fabs(r.profileShift) <= m))
            return SplineFailure::ReferenceDiameterMismatch;
        r.majorDiameter = d.internal ? dB : dB - 0.2 * m;
        r.minorDiameter = d.internal ? dB - 2 * m : dB - 2.2 * m;
    }
    // A shaft's tooth thickness grows with its shift, a hub's space width shrinks with its own.
    r.thickness.nominal = kPiExact * m / 2 + (d.internal ? -2 : 2) * r.profileShift * std::tan(alpha);

    // The limits of the tooth thickness (shaft) or space width (hub).
    double effectiveUpper = 0; // es_v of an ISO 4156 shaft, mm
    if (d.standard == SplineStandard::Iso4156 && d.toleranceClass != 0) {
        const double D = r.referenceDiameter, E = kPiExact * m / 2;
        const double iD = D <= 500 ? 0.45 * std::cbrt(D) + 0.001 * D : 0.004 * D + 2.1;
        const double iE = 0.45 * std::cbrt(E) + 0.001 * E;
        const int c = d.toleranceClass - 4;
        constexpr double kD[] = {10, 16, 25, 40}, kE[] = {40, 64, 100, 160};
        const double total = kD[c] * iD + kE[c] * iE; // T + λ, µm
        const double g = input.splineLength.value_or(D);
        if (!input.splineLength)
            r.warnings.push_back(SplineWarning::LengthAssumed);
        const double L = kPiExact * m * z / 2, phi = m + 0.0125 * m * z;
        constexpr double fpA[] = {2.5, 3.55, 5, 7.1}, fpB[] = {6.3, 9, 12.5, 18};
        constexpr double faA[] = {1.6, 2.5, 4, 6.3}, faB[] = {10, 16, 25, 40};
        constexpr double fbA[] = {0.8, 1, 1.25, 2}, fbB[] = {4, 5, 6.3, 10};
        const double Fp = fpA[c] * std::sqrt(L) + fpB[c];
        const double Fa = faA[c] * phi + faB[c];
        const double Fb = fbA[c] * std::sqrt(g) + fbB[c];
        const double lambda = 0.6 * std::sqrt(Fp * Fp + Fa * Fa + Fb * Fb); // µm
        r.totalTolerance = total / 1000;
        r.effectiveVariation = lambda / 1000;
        if (lambda > total)
            r.warnings.push_back(SplineWarning::VariationExceedsTolerance);
        const double T = r.totalTolerance, l = r.effectiveVariation;
        SplineLimits &t = r.thickness;
        if (d.internal) {
            t.effectiveMin = E;
            t.actualMin = E + l;
            t.actualMax = E + T;
            t.effectiveMax = E + T - l;
        } else {
            const std::optional<double> esv = effectiveUpperDeviation(d.fit, D, T);
            if (!esv)
                return SplineFailure::FitOutsideTable;
            effectiveUpper = *esv;
            t.effectiveMax = E + *esv;
            t.actualMax = *t.effectiveMax - l;
            t.actualMin = E + *esv - T;
            t.effectiveMin = *t.actualMin + l;
        }
    } else if (std::optional<double> upper = input.upperDeviation, lower = input.lowerDeviation;
               (upper && lower) || (d.standard == SplineStandard::Din5480 && d.toleranceClass != 0 && input.allowances)) {
        if (!upper || !lower) {
            const Outcome<AllowanceRow> row =
                lookupAllowance(*input.allowances, std::to_string(d.toleranceClass) + d.fit, d.referenceDiameter);
            if (!row.ok())
                return SplineFailure::ToleranceNotInTable;
            upper = row.value().upper / 1000;
            lower = row.value().lower / 1000;
            if (*upper < *lower)
                return SplineFailure::DeviationsReversed;
        }
        // Typed deviations of the actual size, and the effective variation: the mate sees a
        // shaft thicker and a hub narrower by λ.
        const double l = input.effectiveVariation.value_or(0);
        SplineLimits &t = r.thickness;
        t.actualMax = t.nominal + *upper;
        t.actualMin = t.nominal + *lower;
        t.effectiveMax = *t.actualMax + (d.internal ? -l : l);
        t.effectiveMin = *t.actualMin + (d.internal ? -l : l);
        r.effectiveVariation = l;
    } else if (d.standard == SplineStandard::Din5480 && d.toleranceClass != 0) {
        // The designation names a tolerance whose deviations are neither typed nor in a
        // table: the sizes are nominal only, and nothing is judged against them.
        r.warnings.push_back(SplineWarning::ToleranceNotApplied);
    }
    if (r.thickness.actualMin && !(*r.thickness.actualMin > 0))
        return SplineFailure::DeviationsReversed;

    // ISO 4156's limiting diameters (as the CAD vendors' spline generators list them): the
    // minor diameter of a shaft moves with its fit by es_v/tan αD, its major diameter only
    // for the fits below zero (d, e, f; h, js and k keep m·(z + 1), as A.6 prints 26.00
    // for 25z × 1m × 30P × 5js); its form diameter
    // is where the generating rack's straight flank, hs above the reference line
    // (0.6·m at 30°, 0.55·m at 37.5°, 0.5·m at 45°: the hub's addendum and the form
    // clearance cF = 0.1·m), ends; a hub's form diameter lies cF above the shaft's major
    // diameter, its minor diameter cF above the form diameter of an h shaft.
    if (d.standard == SplineStandard::Iso4156) {
        const double cF = 0.1 * m;
        const RootForm f = rootForm(d.root);
        const double hs = -f.hubMinor * m / 2 + cF;
        const auto shaftForm = [&](double esv) {
            const double along = r.referenceDiameter / 2 * std::sin(alpha) - (hs - esv / 2 / std::tan(alpha)) / std::sin(alpha);
            return 2 * std::hypot(r.baseDiameter / 2, along);
        };
        if (d.internal) {
            r.formDiameter = m * (z + f.shaftMajor) + 2 * cF;
            r.minorDiameter = shaftForm(0) + 2 * cF;
        } else {
            if (effectiveUpper < 0)
                r.majorDiameter += effectiveUpper / std::tan(alpha);
            r.minorDiameter += effectiveUpper / std::tan(alpha);
            r.formDiameter = shaftForm(effectiveUpper);
        }
    }

    // The pin: GB/T 3478.5's 1.732·m for 30°, otherwise, or where that pin does not stand
    // on the flanks (a small 30° hub), the pin touching on the reference circle; either
    // rounded up in the R40 series.
    const auto fits = [&](double pin) { return pin > 0 && splinePinDimension(r, r.thickness.nominal, pin).has_value(); };
    r.proposedPin = d.pressureAngle == 30 ? nextSeriesDiameter(1.732 * m) : 0;
    if (!fits(r.proposedPin))
        r.proposedPin = nextSeriesDiameter(pinTouchingReference(r, r.thickness.nominal));
    r.pinDiameter = input.pinDiameter.value_or(r.proposedPin);
    const SplineLimits &t = r.thickness;
    if (const std::optional<double> nominal = splinePinDimension(r, t.nominal, r.pinDiameter)) {
        // Each dimension from its matching size: a thicker tooth pushes the pins over a
        // shaft apart, a wider space lets the pins in a hub sink outwards; both read larger.
        const auto dimensionOf = [&](const std::optional<double> &w) -> std::optional<double> {
            return w ? splinePinDimension(r, *w, r.pinDiameter) : std::nullopt;
        };
        r.dimension = SplineLimits{*nominal, dimensionOf(t.actualMax), dimensionOf(t.actualMin), dimensionOf(t.effectiveMax),
                                   dimensionOf(t.effectiveMin)};
        const double a = *pinCentreAngleOf(r, t.nominal, r.pinDiameter);
        const double roll = r.baseDiameter / 2 * std::tan(a) + (d.internal ? r.pinDiameter / 2 : -r.pinDiameter / 2);
        r.contactDiameter = 2 * std::hypot(r.baseDiameter / 2, roll);
        // The involute runs from the form diameter to the tip: a shaft's major diameter, a
        // hub's minor one (DIN 5480: from the root, the form diameter not being given).
        const double lowest = d.internal ? r.minorDiameter : std::max({r.minorDiameter, r.baseDiameter, r.formDiameter.value_or(0)});
        const double highest = d.internal && r.formDiameter ? *r.formDiameter : r.majorDiameter;
        if (roll < 0 || *r.contactDiameter <= lowest || *r.contactDiameter >= highest)
            r.warnings.push_back(SplineWarning::ContactOffFlank);
    } else {
        // Every limit still holds; only the dimension over or between pins is missing.
        r.warnings.push_back(SplineWarning::PinDoesNotFit);
    }

    // A measured dimension: the size it means, judged against the actual limits; without
    // limits, or without a dimension over the pins, it is not judged.
    if (input.measured) {
        SplineMeasured judged{*input.measured, std::nullopt, Verdict::NotJudged};
        if (r.dimension) {
            judged.size = *input.measured > 0 ? splineSizeFromDimension(r, *input.measured, r.pinDiameter) : std::nullopt;
            if (!judged.size)
                return SplineFailure::MeasuredNotPossible;
            if (t.actualMax && t.actualMin && *t.actualMax > *t.actualMin) {
                // Within a billionth of a millimetre of a limit is on it, as the sheet judges.
                const bool over = *judged.size > *t.actualMax + kOnTheLimit, under = *judged.size < *t.actualMin - kOnTheLimit;
                judged.verdict = !over && !under ? Verdict::Pass : (over != d.internal) ? Verdict::Thick : Verdict::Thin;
            }
        }
        r.measured = judged;
    }

    // Shafts: the base tangent length over k teeth, k from the pressure angle on the circle
    // through the middle of the profile shift.
    if (!d.internal) {
        // Unshifted, that circle is the reference circle itself: its angle is αD exactly.
        const double alphaX = r.profileShift == 0 ? alpha
                                                  : std::acos(std::min(1.0, r.baseDiameter / (r.referenceDiameter + 2 * r.profileShift)));
        // The nearest whole count; a tie (30° with z a multiple of 6, 37.5° of 24, 45° of 4)
        // goes up, as on the gear sheet, whatever the last bit of the angle's rounding.
        const double real = z * alphaX / kPiExact + 0.5;
        r.spanTeeth = std::clamp(int(std::floor(real + 0.5 + 1e-9)), 1, d.teeth - 1);
        r.span = m * std::cos(alpha) * ((r.spanTeeth - 0.5) * kPiExact + z * inv(alpha))
                 + 2 * r.profileShift * std::sin(alpha);
        // The anvils measure the actual teeth: one tooth thickness more or less moves the
        // base tangent by its part along the base tangent, cos αD.
        if (r.thickness.actualMax && r.thickness.actualMin) {
            r.spanMax = *r.span + (*r.thickness.actualMax - r.thickness.nominal) * std::cos(alpha);
            r.spanMin = *r.span + (*r.thickness.actualMin - r.thickness.nominal) * std::cos(alpha);
        }
    }
    // No result holds a number that is not finite: absurd inputs are refused, not printed.
    bool finite = true;
    for (double v : {r.referenceDiameter, r.baseDiameter, r.majorDiameter, r.minorDiameter, r.profileShift, r.totalTolerance,
                     r.effectiveVariation, r.pinDiameter, r.proposedPin, r.span.value_or(0), r.spanMax.value_or(0), r.spanMin.value_or(0), r.formDiameter.value_or(0),
                     r.contactDiameter.value_or(0)})
        finite = finite && std::isfinite(v);
    for (const SplineLimits *l : {&r.thickness, r.dimension ? &*r.dimension : nullptr}) {
        if (!l)
            continue;
        for (const std::optional<double> &v : {std::optional<double>(l->nominal), l->actualMax, l->actualMin, l->effectiveMax, l->effectiveMin})
            finite = finite && (!v || std::isfinite(*v));
    }
    if (!finite || (r.measured && r.measured->size && !std::isfinite(*r.measured->size)))
        return SplineFailure::ResultOutOfRange;
    return r;
}

SheetInput splineAsGear(const SplineResult &r)
{
    const SplineDesignation &d = r.input.designation;
    SheetInput gear;
    gear.module = d.module;
    gear.teeth = d.teeth;
    gear.pressureAngleDeg = d.pressureAngle;
    gear.internal = d.internal;
    // The sheet takes an internal gear's tooth: the rest of the pitch beside the hub's space.
    gear.thickness = d.internal ? r.circularPitch - r.thickness.nominal : r.thickness.nominal;
    gear.tipDiameter = d.internal ? r.minorDiameter : r.majorDiameter;
    gear.gauge = GaugeKind::Pin;
    gear.gaugeDiameter = r.pinDiameter;
    return gear;
}

std::optional<MeasurementDrawing> splineDrawing(const SplineResult &r)
{
    const Outcome<SheetResult> sheet = computeSheet(splineAsGear(r));
    if (!sheet.ok())
        return std::nullopt;
    const SplineDesignation &d = r.input.designation;
    ToothRoot root;
    root.rootDiameter = d.internal ? r.majorDiameter : r.minorDiameter;
    root.formDiameter = r.formDiameter.value_or(0);
    root.shape = d.root == SplineRoot::FlatRoot30 ? ToothRoot::Flat : ToothRoot::Fillet;
    root.cornerRadius = 0.2 * d.module; // the flat root's least fillet radius, ρF = 0.2·m
    if (d.internal) // a ring as deep as four modules, or a sixth of the major diameter on a small hub
        root.rimDiameter = r.majorDiameter + std::max(8 * d.module, r.majorDiameter / 6);
    return measurementDrawing(sheet.value(), root);
}

} // namespace geardim
