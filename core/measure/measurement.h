#pragma once

#include <optional>
#include <vector>

#include "core/common/failure.h"

// From a measured value to a verdict: the actual normal tooth thickness on the reference
// circle that the value means, the actual allowance and profile shift, and whether the
// part lies within the drawing's allowances. Each inverse is exact (closed form) and
// follows the sheet's own forward equation.
namespace geardim {

struct SheetResult;

// What an inspector measures, as the sheet gives limits for it.
enum class MeasuredDimension { OverGauges, Span, ChordalThickness, ConstantChord, TestDistance };
inline constexpr MeasuredDimension kMeasuredDimensions[] = {MeasuredDimension::OverGauges, MeasuredDimension::Span,
                                                            MeasuredDimension::ChordalThickness,
                                                            MeasuredDimension::ConstantChord, MeasuredDimension::TestDistance};

// "overGauges", "span", "chordalThickness", "constantChord", "testCentreDistance": names in JSON and CSV.
const char *measuredName(MeasuredDimension dimension);

// NotJudged: the value has no limits to be judged against (the allowances are equal, or a
// tolerance was not applied): never a pass.
enum class Verdict { Pass, Thick, Thin, NotJudged };

// "pass", "thick", "thin", "notJudged".
const char *verdictCode(Verdict verdict);

// The verdict in plain Chinese (合格 / 偏厚 / 偏薄 / 未判定), a text to translate ("Verdict").
const char *verdictText(Verdict verdict);

struct Measured {
    double value = 0;      // as measured, in the sheet's length unit
    double thickness = 0;  // the actual normal tooth thickness sn on the reference circle
    double allowance = 0;  // E = sn_actual − sn: the actual allowance
    double shift = 0;      // x_E: the profile shift that gives that thickness
    Verdict verdict = Verdict::Pass;
};

// A value this close to a limit counts as on it: a measurement given to a tenth of a
// micrometre, and the round trip through the equations, differ from the limit by less.
inline constexpr double kOnTheLimit = 1e-9;

// The measured value of one dimension of a computed sheet, or why it means nothing for
// this gear (a dimension the sheet does not give for it, a value beyond its equation).
struct MeasuredOutcome {
    std::optional<Measured> measured;
    std::optional<Failure> failure;
};
MeasuredOutcome measure(const SheetResult &sheet, MeasuredDimension dimension, double value);

// The verdict for an actual allowance between the drawing's two; NotJudged when the two
// are equal (no tolerance was given) or not in order.
Verdict verdictFor(double allowance, double upper, double lower);

// Whether a verdict rejects the part (thick or thin).
inline bool verdictFails(Verdict verdict) { return verdict == Verdict::Thick || verdict == Verdict::Thin; }

// The part as a whole, from the verdicts of its measured values (a value that means nothing
// for the gear is not judged): it fails when any value fails, is not judged when any value
// is not and none fails, and passes when every value passes.
enum class PartVerdict { Pass, Fail, NotJudged };
PartVerdict partVerdict(const std::vector<std::optional<Verdict>> &verdicts);

// The conclusion a paper prints: 结论：合格 / 结论：不合格 / 结论：未判定, a text to
// translate ("Verdict").
const char *partVerdictText(PartVerdict verdict);

} // namespace geardim
