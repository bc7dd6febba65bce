#include "core/sheet/sheetoptions.h"

#include <algorithm>

#include "core/common/numberparse.h"
#include "core/common/translatable.h"

namespace geardim {
namespace {

constexpr SheetOption kOptions[] = {
    {"module", QT_TRANSLATE_NOOP("SheetOption", "法向模数 mn (mm)"), OptionKind::Number, &SheetInput::module},
    {"diametral-pitch", QT_TRANSLATE_NOOP("SheetOption", "法向径节 P (1/in)；长度单位为英寸"), OptionKind::Number, &SheetInput::diametralPitch},
    {"teeth", QT_TRANSLATE_NOOP("SheetOption", "齿数 z"), OptionKind::Number, nullptr, &SheetInput::teeth},
    {"pressure-angle", QT_TRANSLATE_NOOP("SheetOption", "法向压力角 αn (°)，默认 20"), OptionKind::Number, nullptr, &SheetInput::pressureAngleDeg},
    {"helix-angle", QT_TRANSLATE_NOOP("SheetOption", "螺旋角 β (°)，默认 0"), OptionKind::Number, nullptr, &SheetInput::helixAngleDeg},
    {"shift", QT_TRANSLATE_NOOP("SheetOption", "变位系数 x，默认 0"), OptionKind::Number, &SheetInput::shift},
    {"thickness", QT_TRANSLATE_NOOP("SheetOption", "分度圆法向齿厚 sn（代替 x）"), OptionKind::Number, &SheetInput::thickness},
    {"internal", QT_TRANSLATE_NOOP("SheetOption", "内齿轮（默认外齿轮）"), OptionKind::Flag},
    {"addendum", QT_TRANSLATE_NOOP("SheetOption", "齿顶高系数 ha*，默认 1"), OptionKind::Number, nullptr, &SheetInput::addendum},
    {"tip-diameter", QT_TRANSLATE_NOOP("SheetOption", "齿顶圆直径 da（代替 ha*）"), OptionKind::Number, &SheetInput::tipDiameter},
    {"allowance-upper", QT_TRANSLATE_NOOP("SheetOption", "齿厚上偏差 Esns，默认 0"), OptionKind::Number, nullptr, &SheetInput::allowanceUpper},
    {"allowance-lower", QT_TRANSLATE_NOOP("SheetOption", "齿厚下偏差 Esni，默认 0"), OptionKind::Number, nullptr, &SheetInput::allowanceLower},
    {"gauge", QT_TRANSLATE_NOOP("SheetOption", "量具：ball（量球，默认）或 pin（量棒）"), OptionKind::Gauge},
    {"gauge-diameter", QT_TRANSLATE_NOOP("SheetOption", "量棒（球）直径 D；不填则建议"), OptionKind::Number, &SheetInput::gaugeDiameter},
    {"face-width", QT_TRANSLATE_NOOP("SheetOption", "齿宽 b（用于检查）"), OptionKind::Number, &SheetInput::faceWidth},
    {"span-teeth", QT_TRANSLATE_NOOP("SheetOption", "跨测齿数 k；不填则由程序选择"), OptionKind::Number, &SheetInput::spanTeeth},
};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::span<const SheetOption> sheetOptions() { return kOptions; }

const SheetOption *findSheetOption(std::string_view name)
{
    for (const SheetOption &o : kOptions) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

bool applySheetOption(const SheetOption &option, std::string_view text, SheetInput &in)
{
    text = trimmed(text);
    if (text.empty())
        return true;
    switch (option.kind) {
    case OptionKind::Number: {
        const auto value = parseDouble(text);
        if (!value)
            return false;
        if (option.optional)
            in.*option.optional = *value;
        else
            in.*option.plain = *value;
        return true;
    }
    case OptionKind::Flag: {
        const std::string v = lower(text);
        if (v == "true" || v == "yes" || v == "1")
            in.internal = true;
        else if (v == "false" || v == "no" || v == "0")
            in.internal = false;
        else
            return false;
        return true;
    }
    case OptionKind::Gauge: {
        const std::string v = lower(text);
        if (v == "ball")
            in.gauge = GaugeKind::Ball;
        else if (v == "pin")
            in.gauge = GaugeKind::Pin;
        else
            return false;
        return true;
    }
    }
    return false;
}

} // namespace geardim
