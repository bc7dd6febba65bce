#include "core/calc/mvalue.h"

#include <cmath>

#include "core/common/angle.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"
#include "core/geometry/teeth.h"

namespace geardim {
namespace {

// The typed data after the common steps: angles in radians, the reference circle.
struct Prepared {
    float m, z, x, dp;
    float alpha;   // normal pressure angle, radians, single
    double beta;   // helix angle, radians, double
    float rp;      // pin radius
    float a0;      // starting angle of the inverse involute
    float dref;    // reference diameter m·z / cos β
    float rref;    // reference radius
    bool external;
    bool odd;
};

std::optional<Failure> checkRanges(const GearData &g)
{
    if (auto f = checkGear(g.m, g.z, g.alphaDeg, g.betaDeg))
        return f;
    if (!(g.dp > 0))
        return Failure::PinNotPositive;
    return std::nullopt;
}

Prepared prepare(const GearData &g)
{
    Prepared p{};
    p.m = g.m;
    p.z = g.z;
    p.x = g.x;
    p.dp = g.dp;
    p.alpha = radiansSingle(g.alphaDeg);
    p.beta = radians(g.betaDeg);
    p.rp = g.dp / 2;
    p.a0 = p.alpha;
    p.dref = static_cast<float>(double(g.m) * g.z / std::cos(p.beta));
    p.rref = p.dref / 2;
    p.external = g.external;
    p.odd = isOddTeeth(g.z);
    return p;
}

// Span count of an external gear: Int(A·(z/π) + added) with the square-root term
// w in single precision; for x = 0 the unshifted rule Int(z·α/π + 0.5) applies
// through zAlphaOverPi. Nothing when (1 + 2x/z)² < cos² α.
struct Span {
    double bracket; // the value before the constant is added
    double k;
};

std::optional<Span> shiftedSpan(double z, float x, double alpha, double added)
{
    const double cosA = std::cos(alpha);
    const double tanA = std::tan(alpha);
    const double q = 1 + 2 * double(x) / z;
    const double radicand = q * q - cosA * cosA;
    if (!(radicand >= 0))
        return std::nullopt;
    const float w = static_cast<float>(std::sqrt(radicand));
    const double a = w / cosA - 2 * double(x) * tanA / z - tanA + alpha;
    const double bracket = a * (z / kPi);
    return Span{bracket, std::floor(bracket + added)};
}

// The cos(π/(2z)) factor that odd tooth counts bring into the pin formulas.
double oddFactor(const Prepared &p) { return p.odd ? oddTeethFactor(p.z) : 1.0; }

// M and s of a spur gear from the involute t at the pin centre: over the pins
// (external) or between them (internal).
Outcome<MValueResult> spurOverPins(const Prepared &p, float s, float t)
{
    const auto alphaM = pinCentreAngle(p.a0, t);
    if (!alphaM)
        return Failure::PinCentreOffInvolute;
    MValueResult r;
    const double centres = p.dref * std::cos(double(p.alpha)) * oddFactor(p) / std::cos(double(*alphaM));
    r.M = static_cast<float>(centres + kindSign(p.external) * double(p.dp));
    r.s = s;
    r.alphaM = *alphaM;
    return r;
}

Outcome<MValueResult> spurExternal(const Prepared &p)
{
    const double alpha = p.alpha;
    const double cosA = std::cos(alpha);
    const double tanA = std::tan(alpha);
    float k;
    if (p.x == 0) {
        k = static_cast<float>(std::floor(double(static_cast<float>(double(p.z) * alpha)) / kPi + 0.5));
    } else {
        const auto span = shiftedSpan(p.z, p.x, alpha, 0.5);
        if (!span)
            return Failure::SpanCountUndefined;
        k = static_cast<float>(span->k);
    }
    // Arc tooth thickness on the reference circle.
    const float s = static_cast<float>(kPi * p.m / 2 + 2 * double(p.x) * p.m * tanA);
    // Base tangent length over k teeth.
    const float L = static_cast<float>(p.m * cosA * (kPi * (k - 0.5) + p.z * inv(alpha))
                                       + 2 * double(p.x) * p.m * std::sin(alpha));
    // Involute of the pressure angle at the pin centre.
    const float t = static_cast<float>(s / (2 * double(p.rref)) + inv(alpha)
                                       + p.rp / (p.rref * cosA) - kPi / p.z);
    auto r = spurOverPins(p, s, t);
    if (r.ok()) {
        r.value().L = L;
        r.value().k = k;
    }
    return r;
}

Outcome<MValueResult> spurInternal(const Prepared &p)
{
    const double alpha = p.alpha;
    const double cosA = std::cos(alpha);
    const float s = static_cast<float>(kPi * p.m / 2 - 2 * double(p.x) * p.m * std::tan(alpha));
    const float halfAngle = static_cast<float>(s / (2 * double(p.rref)));
    const float t = static_cast<float>(kPi / p.z - halfAngle + inv(alpha) - p.rp / (p.rref * cosA));
    return spurOverPins(p, s, t);
}

Outcome<MValueResult> helical(const Prepared &p)
{
    const double alpha = p.alpha;
    const double beta = p.beta;
    const double z = p.z;
    const double x = p.x;
    const double cosA = std::cos(alpha);
    const double tanA = std::tan(alpha);
    const double cosB = std::cos(beta);

    HelicalTrace tr;
    tr.alphaT = transverseAngleOfSingleQuotient(alpha, beta);
    const double alphaT = tr.alphaT;
    tr.betaB = baseHelixAngle(alpha, beta);
    const double cosBb = baseHelixCosine(alpha, beta);
    const int sigma = kindSign(p.external);
    const double pTerm = sigma * kPi / (2 * z) - 2 * x * tanA / z - std::tan(alphaT) + alphaT;
    tr.db = double(p.m) * z * std::cos(alphaT) / cosB;
    tr.target = static_cast<float>(sigma * double(p.dp) / (tr.db * cosBb) - pTerm);
    // The iteration starts from the normal pressure angle, not the transverse one.
    const auto alphaMt = pinCentreAngle(p.a0, tr.target, &tr.iterations);
    if (!alphaMt)
        return Failure::PinCentreOffInvolute;
    tr.alphaMt = *alphaMt;
    const double cosAlphaMt = std::cos(double(*alphaMt));

    // Virtual number of teeth, which carries the normal chordal thickness.
    tr.zv = z / (cosB * cosB * cosB);
    const double factor = chordalThicknessFactor(p.alpha);

    MValueResult r;
    r.helical = true;
    r.alphaM = *alphaMt;
    if (p.external) {
        const double n = p.odd ? double(static_cast<float>((z - 1) / 2)) : double(static_cast<float>(z / 2));
        r.s = static_cast<float>(p.m * tr.zv * std::sin((90 * kPi / 180 + x * factor) / tr.zv));
        // Equivalent number of teeth for the span: z · inv αt / inv α.
        tr.zPrime = (std::tan(alphaT) - alphaT) * z / (tanA - alpha);
        double k;
        if (p.x == 0) {
            tr.spanBracket = tr.zPrime * (alpha / kPi);
            k = std::floor(tr.spanBracket + 0.5);
        } else {
            const auto span = shiftedSpan(tr.zPrime, p.x, alpha, 1.0);
            if (!span)
                return Failure::SpanCountUndefined;
            tr.spanBracket = span->bracket;
            k = span->k;
        }
        r.k = k;
        r.L = static_cast<float>(p.m * (cosA * (kPi * (k - 0.5) + tr.zPrime * inv(alpha))
                                        + 2 * x * std::sin(alpha)));
        r.M = static_cast<float>(tr.db * std::sin(n * kPi / z) / cosAlphaMt + p.dp);
    } else {
        r.s = static_cast<float>(p.m * tr.zv * std::sin((90 * kPi / 180 - x * factor) / tr.zv));
        if (p.odd)
            r.M = static_cast<float>(z * std::cos(alphaT) / (cosB * cosAlphaMt) * oddTeethFactor(z) * p.m
                                     - p.dp);
        else
            r.M = static_cast<float>(z * std::cos(alphaT) * p.m / (cosB * cosAlphaMt) - p.dp);
    }
    r.trace = tr;
    return r;
}

bool allFinite(const MValueResult &r)
{
    return std::isfinite(r.M) && std::isfinite(r.s) && (!r.L || std::isfinite(*r.L))
           && (!r.k || std::isfinite(*r.k));
}

} // namespace

Outcome<MValueResult> computeMValue(const GearData &gear)
{
    if (auto failure = checkRanges(gear))
        return *failure;
    const Prepared p = prepare(gear);
    Outcome<MValueResult> out = Failure::ResultOutOfRange;
    if (p.beta != 0)
        out = helical(p);
    else if (p.external)
        out = spurExternal(p);
    else
        out = spurInternal(p);
    // A span over no teeth is no measurement: such a gear shows no L and no k.
    if (out.ok() && out.value().k && !(*out.value().k >= 1)) {
        out.value().k.reset();
        out.value().L.reset();
    }
    if (out.ok() && !allFinite(out.value()))
        return Failure::ResultOutOfRange;
    return out;
}

} // namespace geardim
