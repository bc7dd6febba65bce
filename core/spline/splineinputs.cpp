#include "core/spline/splineinputs.h"

#include <array>
#include <cmath>

#include "core/common/translatable.h"
#include "core/spline/splinereport.h"

namespace geardim {
namespace {

const std::array kOptions{
    SplineOption{"pin-diameter", "pinDiameter", QT_TRANSLATE_NOOP("SplineWindow", "量棒直径 DR"), QT_TRANSLATE_NOOP("SplineWindow", "建议值"),
                 QT_TRANSLATE_NOOP("CommandLine", "量棒直径，默认为建议值"), "D", &SplineFields::pinDiameter},
    SplineOption{"spline-length", "splineLength", QT_TRANSLATE_NOOP("SplineWindow", "花键长度 g"), nullptr,
                 QT_TRANSLATE_NOOP("CommandLine", "花键长度 g（综合公差 λ 用）"), "g", &SplineFields::splineLength},
    SplineOption{"upper-deviation", "upperDeviation", QT_TRANSLATE_NOOP("SplineWindow", "上偏差"), QT_TRANSLATE_NOOP("SplineWindow", "仅 DIN 5480"),
                 QT_TRANSLATE_NOOP("CommandLine", "DIN 5480：齿厚或齿槽宽的上偏差（mm）"), "mm", &SplineFields::upperDeviation},
    SplineOption{"lower-deviation", "lowerDeviation", QT_TRANSLATE_NOOP("SplineWindow", "下偏差"), QT_TRANSLATE_NOOP("SplineWindow", "仅 DIN 5480"),
                 QT_TRANSLATE_NOOP("CommandLine", "DIN 5480：齿厚或齿槽宽的下偏差（mm）"), "mm", &SplineFields::lowerDeviation},
    SplineOption{"effective-variation", "effectiveVariation", QT_TRANSLATE_NOOP("SplineWindow", "综合公差 λ"),
                 QT_TRANSLATE_NOOP("SplineWindow", "仅 DIN 5480"), QT_TRANSLATE_NOOP("CommandLine", "DIN 5480：综合公差 λ（mm）"), "mm",
                 &SplineFields::effectiveVariation},
    // The measured value belongs to the workpiece, not to the spline's file.
    SplineOption{"measured", nullptr, QT_TRANSLATE_NOOP("SplineWindow", "实测 M"), QT_TRANSLATE_NOOP("SplineWindow", "实测的跨棒距或棒间距"),
                 QT_TRANSLATE_NOOP("CommandLine", "实测的跨棒距或棒间距 M，给出实际尺寸和判定"), "M", &SplineFields::measured},
};

} // namespace

std::span<const SplineOption> splineOptions() { return kOptions; }

const SplineOption *findSplineOption(std::string_view name)
{
    for (const SplineOption &o : kOptions) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

Outcome<SplineInput, std::string> splineInputOf(const SplineFields &f, const TextTranslator &tr)
{
    const auto parsed = parseSplineDesignation(f.designation);
    if (const auto *error = std::get_if<DesignationError>(&parsed))
        return designationErrorText(*error, tr);
    return SplineInput{.designation = std::get<SplineDesignation>(parsed), .pinDiameter = f.pinDiameter, .splineLength = f.splineLength,
                       .upperDeviation = f.upperDeviation, .lowerDeviation = f.lowerDeviation,
                       .effectiveVariation = f.effectiveVariation, .measured = f.measured};
}

bool oneDeviationAlone(const std::optional<double> &upper, const std::optional<double> &lower)
{
    return upper.has_value() != lower.has_value();
}

std::optional<SplineFailure> checkSplineInput(const SplineInput &in)
{
    if (in.pinDiameter && !(*in.pinDiameter > 0 && std::isfinite(*in.pinDiameter)))
        return SplineFailure::PinNotPositive;
    if (in.splineLength && !(*in.splineLength > 0 && std::isfinite(*in.splineLength)))
        return SplineFailure::LengthNotPositive;
    for (const std::optional<double> &typed : {in.upperDeviation, in.lowerDeviation, in.effectiveVariation, in.measured}) {
        if (typed && !std::isfinite(*typed))
            return SplineFailure::ResultOutOfRange;
    }
    if (oneDeviationAlone(in.upperDeviation, in.lowerDeviation))
        return SplineFailure::DeviationsUnpaired;
    if (in.upperDeviation && *in.upperDeviation < *in.lowerDeviation)
        return SplineFailure::DeviationsReversed;
    if (in.effectiveVariation && *in.effectiveVariation < 0)
        return SplineFailure::VariationNegative;
    return std::nullopt;
}

std::string unpairedDeviationsText(const SplineFields &f, std::string_view prefix, const TextTranslator &tr)
{
    if (!oneDeviationAlone(f.upperDeviation, f.lowerDeviation))
        return {};
    const std::string upper = std::string(prefix) + findSplineOption("upper-deviation")->name;
    const std::string lower = std::string(prefix) + findSplineOption("lower-deviation")->name;
    return secondFilled(filled(translated(tr, "Spline", QT_TRANSLATE_NOOP("Spline", "%1 和 %2 要一起给出。")), upper), lower);
}

} // namespace geardim
