#include "core/sheet/sheetinputs.h"

#include <algorithm>
#include <cmath>

#include "core/common/numberparse.h"
#include "core/common/text.h"
#include "core/common/translatable.h"

namespace geardim {
namespace {

bool positive(double v) { return v > 0; }
bool moduleRange(double v) { return moduleInRange(v); }
bool pitchRange(double v) { return diametralPitchInRange(v); }
bool notNegative(double v) { return v >= 0; }
bool whole(double v) { return v >= 1 && v == std::floor(v) && v <= 1e6; }
bool masterTeeth(double v) { return v >= 3 && v == std::floor(v) && v <= 1e6; }
bool pressureAngle(double v) { return v > 0 && v < 90; }
bool helixAngle(double v) { return v > -90 && v < 90; }
bool accuracyClass(double v) { return v >= 1 && v <= 11 && v == std::floor(v); }

constexpr const char *kAboveZero = QT_TRANSLATE_NOOP("GearFile", "大于 0");
constexpr const char *kWhole = QT_TRANSLATE_NOOP("GearFile", "不小于 1 的整数");

constexpr SheetOption kOptions[] = {
    {"module", "gear", "module", "module", QT_TRANSLATE_NOOP("SheetInput", "法向模数 mn (mm)"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "法向模数 mn (mm)"), OptionKind::Number, &SheetInput::module, nullptr, moduleRange,
     QT_TRANSLATE_NOOP("GearFile", "0.001 到 10000")},
    {"diametral-pitch", "gear", "diametralPitch", "diametralPitch", QT_TRANSLATE_NOOP("SheetInput", "径节 P (1/in)"),
     QT_TRANSLATE_NOOP("SheetInput", "或填径节"), QT_TRANSLATE_NOOP("SheetOption", "法向径节 P (1/in)；长度单位为英寸"),
     OptionKind::Number, &SheetInput::diametralPitch, nullptr, pitchRange, QT_TRANSLATE_NOOP("GearFile", "0.00254 到 25400")},
    {"teeth", "gear", "teeth", "teeth", QT_TRANSLATE_NOOP("SheetInput", "齿数 z"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "齿数 z"), OptionKind::Number, nullptr, &SheetInput::teeth, whole, kWhole},
    {"pressure-angle", "gear", "pressureAngle", "pressureAngle", QT_TRANSLATE_NOOP("SheetInput", "法向压力角 αn (°)"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "法向压力角 αn (°)，默认 20"), OptionKind::Number, nullptr, &SheetInput::pressureAngleDeg,
     pressureAngle, QT_TRANSLATE_NOOP("GearFile", "0° 到 90° 之间")},
    {"helix-angle", "gear", "helixAngle", "helixAngle", QT_TRANSLATE_NOOP("SheetInput", "螺旋角 β (°)"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "螺旋角 β (°)，默认 0"), OptionKind::Number, nullptr, &SheetInput::helixAngleDeg,
     helixAngle, QT_TRANSLATE_NOOP("GearFile", "-90° 到 90° 之间")},
    {"shift", "gear", "shift", "shift", QT_TRANSLATE_NOOP("SheetInput", "变位系数 x"), QT_TRANSLATE_NOOP("SheetInput", "或填齿厚"),
     QT_TRANSLATE_NOOP("SheetOption", "变位系数 x，默认 0"), OptionKind::Number, &SheetInput::shift},
    {"thickness", "gear", "thickness", "thickness", QT_TRANSLATE_NOOP("SheetInput", "法向齿厚 sn"),
     QT_TRANSLATE_NOOP("SheetInput", "或填变位系数"), QT_TRANSLATE_NOOP("SheetOption", "分度圆法向齿厚 sn（代替 x）"),
     OptionKind::Number, &SheetInput::thickness, nullptr, positive, kAboveZero},
    {"internal", "gear", "internal", nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("SheetOption", "内齿轮（默认外齿轮）"),
     OptionKind::Flag},
    {"addendum", "gear", "addendum", "addendum", QT_TRANSLATE_NOOP("SheetInput", "齿顶高系数 ha*"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "齿顶高系数 ha*，默认 1"), OptionKind::Number, nullptr, &SheetInput::addendum, notNegative,
     QT_TRANSLATE_NOOP("GearFile", "不小于 0")},
    {"tip-diameter", "gear", "tipDiameter", "tipDiameter", QT_TRANSLATE_NOOP("SheetInput", "齿顶圆直径 da"),
     QT_TRANSLATE_NOOP("SheetInput", "按 ha* 计算"), QT_TRANSLATE_NOOP("SheetOption", "齿顶圆直径 da（代替 ha*）"),
     OptionKind::Number, &SheetInput::tipDiameter, nullptr, positive, kAboveZero},
    {"allowance-upper", "allowances", "upper", "allowanceUpper", QT_TRANSLATE_NOOP("SheetInput", "上偏差 Esns"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "齿厚上偏差 Esns，默认 0"), OptionKind::Number, nullptr, &SheetInput::allowanceUpper},
    {"allowance-lower", "allowances", "lower", "allowanceLower", QT_TRANSLATE_NOOP("SheetInput", "下偏差 Esni"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "齿厚下偏差 Esni，默认 0"), OptionKind::Number, nullptr, &SheetInput::allowanceLower},
    {"gauge", "gauge", "kind", nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("SheetOption", "量具：ball（量球，默认）或 pin（量棒）"),
     OptionKind::Gauge},
    {"gauge-diameter", "gauge", "diameter", "gaugeDiameter", QT_TRANSLATE_NOOP("SheetInput", "直径 D"),
     QT_TRANSLATE_NOOP("SheetInput", "不填则建议"), QT_TRANSLATE_NOOP("SheetOption", "量棒（球）直径 D；不填则建议"),
     OptionKind::Number, &SheetInput::gaugeDiameter, nullptr, positive, kAboveZero},
    {"face-width", "gear", "faceWidth", "faceWidth", QT_TRANSLATE_NOOP("SheetInput", "齿宽 b"), QT_TRANSLATE_NOOP("SheetInput", "可不填"),
     QT_TRANSLATE_NOOP("SheetOption", "齿宽 b（用于检查）"), OptionKind::Number, &SheetInput::faceWidth, nullptr, positive, kAboveZero},
    {"span-teeth", "gear", "spanTeeth", "spanTeeth", QT_TRANSLATE_NOOP("SheetInput", "跨测齿数 k"),
     QT_TRANSLATE_NOOP("SheetInput", "不填则自动选择"), QT_TRANSLATE_NOOP("SheetOption", "跨测齿数 k；不填则由程序选择"),
     OptionKind::Number, &SheetInput::spanTeeth, nullptr, whole, kWhole},
    {"accuracy-class", "tolerances", "accuracyClass", "accuracyClass", QT_TRANSLATE_NOOP("SheetInput", "精度等级"),
     QT_TRANSLATE_NOOP("SheetInput", "ISO 1328-1，1 到 11"),
     QT_TRANSLATE_NOOP("SheetOption", "齿面精度等级 A（ISO 1328-1:2013，1 到 11；需要 --face-width）"), OptionKind::Number,
     &SheetInput::accuracyClass, nullptr, accuracyClass, QT_TRANSLATE_NOOP("GearFile", "1 到 11 的整数")},
    {"allowance-code", "allowances", "code", "allowanceCode", QT_TRANSLATE_NOOP("SheetInput", "齿厚偏差代号"),
     QT_TRANSLATE_NOOP("SheetInput", "按齿厚偏差表"),
     QT_TRANSLATE_NOOP("SheetOption", "齿厚偏差代号：由 --allowance-table 的表按 d 给出未填写的 Esns、Esni"), OptionKind::Text,
     nullptr, nullptr, nullptr, "", &SheetInput::allowanceCode},
    {"hand", "gear", "hand", nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("SheetOption", "旋向：left（左旋）或 right（右旋），只用于齿轮参数表"),
     OptionKind::Hand},
    {"mating-drawing", "record", "matingDrawing", "matingDrawing", QT_TRANSLATE_NOOP("SheetInput", "配对齿轮图号"), nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "配对齿轮的图号，只用于齿轮参数表"), OptionKind::Text, nullptr, nullptr, nullptr, "",
     &SheetInput::matingDrawing},
    // The master gear of the double-flank test, a gauge of the shop's: with the gauge in a file.
    {"master-teeth", "gauge", "masterTeeth", "masterTeeth", QT_TRANSLATE_NOOP("SheetInput", "样板齿轮齿数 z3"),
     QT_TRANSLATE_NOOP("SheetInput", "双啮检查用，可不填"),
     QT_TRANSLATE_NOOP("SheetOption", "双啮检查的样板齿轮齿数 z3（模数、压力角、螺旋角与被测齿轮相同）"), OptionKind::Number,
     &SheetInput::masterTeeth, nullptr, masterTeeth, QT_TRANSLATE_NOOP("GearFile", "不小于 3 的整数")},
    {"master-shift", "gauge", "masterShift", "masterShift", QT_TRANSLATE_NOOP("SheetInput", "样板齿轮变位系数 x3"),
     QT_TRANSLATE_NOOP("SheetInput", "默认 0"), QT_TRANSLATE_NOOP("SheetOption", "样板齿轮的变位系数 x3，默认 0"), OptionKind::Number,
     &SheetInput::masterShift},
    // Measured on the part, not a property of the gear: no place in a gear file, and the
    // window takes them in its table's 实测 column.
    {"measured-over-gauges", nullptr, nullptr, nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "实测跨棒（球）距 M，评定是否合格"), OptionKind::Number, &SheetInput::measuredOverGauges},
    {"measured-span", nullptr, nullptr, nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "实测公法线长度 W（跨 k 齿），评定是否合格"), OptionKind::Number, &SheetInput::measuredSpan},
    {"measured-chordal-thickness", nullptr, nullptr, nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "实测分度圆弦齿厚（在公称弦齿高处），评定是否合格"), OptionKind::Number,
     &SheetInput::measuredChordalThickness},
    {"measured-constant-chord", nullptr, nullptr, nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "实测固定弦齿厚，评定是否合格"), OptionKind::Number, &SheetInput::measuredConstantChord},
    {"measured-test-distance", nullptr, nullptr, nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("SheetOption", "双啮检查实测的中心距 a″（需要 --master-teeth），评定是否合格"), OptionKind::Number,
     &SheetInput::measuredTestDistance},
};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
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

std::optional<double> optionNumber(const SheetOption &option, const SheetInput &in)
{
    if (option.optional)
        return in.*option.optional;
    if (option.plain)
        return in.*option.plain;
    return std::nullopt;
}

void setOptionNumber(const SheetOption &option, SheetInput &in, std::optional<double> value)
{
    if (option.optional)
        in.*option.optional = value;
    else if (option.plain)
        in.*option.plain = value.value_or(SheetInput{}.*option.plain);
}

bool optionAccepts(const SheetOption &option, double value)
{
    return std::isfinite(value) && (!option.inRange || option.inRange(value));
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
    case OptionKind::Text:
        in.*option.text = std::string(text);
        return true;
    case OptionKind::Hand: {
        const std::string v = lower(text);
        if (v == "left")
            in.hand = SheetInput::Hand::Left;
        else if (v == "right")
            in.hand = SheetInput::Hand::Right;
        else
            return false;
        return true;
    }
    }
    return false;
}

std::string sheetOptionText(const SheetOption &option, const SheetInput &in)
{
    switch (option.kind) {
    case OptionKind::Number: {
        const auto value = optionNumber(option, in);
        return value ? shortestNumber(*value) : std::string();
    }
    case OptionKind::Flag: return in.internal ? "true" : "false";
    case OptionKind::Gauge: return in.gauge == GaugeKind::Pin ? "pin" : "ball";
    case OptionKind::Text: return in.*option.text;
    case OptionKind::Hand: return in.hand == SheetInput::Hand::Left ? "left" : in.hand == SheetInput::Hand::Right ? "right" : "";
    }
    return {};
}

} // namespace geardim
