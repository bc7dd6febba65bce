#include "core/pair/pairinputs.h"

#include <array>

#include "core/common/translatable.h"

namespace geardim {
namespace {

// The table: accessors as captureless lambdas, one per input.
#define PAIR_OPTIONAL(expr) [](PairInput &p) -> std::optional<double> * { return &(expr); }
#define PAIR_PLAIN(expr) [](PairInput &p) -> double * { return &(expr); }

const std::array kOptions{
    PairOption{"module", 0, nullptr, QT_TRANSLATE_NOOP("PairInput", "法向模数 mn"), QT_TRANSLATE_NOOP("PairOption", "两齿轮共同的法向模数 mn (mm)"),
               PAIR_OPTIONAL(p.module)},
    PairOption{"diametral-pitch", 0, nullptr, QT_TRANSLATE_NOOP("PairInput", "径节 P"),
               QT_TRANSLATE_NOOP("PairOption", "法向径节 P (1/in)，代替 --module；长度单位为英寸"), PAIR_OPTIONAL(p.diametralPitch)},
    PairOption{"pressure-angle", 0, nullptr, QT_TRANSLATE_NOOP("PairInput", "法向压力角 αn (°)"),
               QT_TRANSLATE_NOOP("PairOption", "法向压力角 αn (°)，默认 20"), nullptr, PAIR_PLAIN(p.pressureAngleDeg)},
    PairOption{"helix-angle", 0, nullptr, QT_TRANSLATE_NOOP("PairInput", "螺旋角 β (°)"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的螺旋角 β (°)，默认 0；齿轮 2 旋向相反"), nullptr, PAIR_PLAIN(p.helixAngleDeg)},
    PairOption{"addendum", 0, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿顶高系数 ha*"),
               QT_TRANSLATE_NOOP("PairOption", "齿顶高系数 ha*，默认 1"), nullptr, PAIR_PLAIN(p.addendum)},
    PairOption{"teeth1", 1, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿数 z"), QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的齿数 z1"), nullptr,
               PAIR_PLAIN(p.gear1.teeth)},
    PairOption{"teeth2", 2, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿数 z"), QT_TRANSLATE_NOOP("PairOption", "齿轮 2 的齿数 z2"), nullptr,
               PAIR_PLAIN(p.gear2.teeth)},
    PairOption{"shift1", 1, nullptr, QT_TRANSLATE_NOOP("PairInput", "变位系数 x"), QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的变位系数 x1，默认 0"),
               PAIR_OPTIONAL(p.gear1.shift)},
    PairOption{"shift2", 2, nullptr, QT_TRANSLATE_NOOP("PairInput", "变位系数 x"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 2 的变位系数 x2；给了 --centre-distance 而不填时按无侧隙求出，否则默认 0"),
               PAIR_OPTIONAL(p.gear2.shift)},
    PairOption{"tip-diameter1", 1, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿顶圆直径 da"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的齿顶圆直径 da1（代替 ha*）"), PAIR_OPTIONAL(p.gear1.tipDiameter)},
    PairOption{"tip-diameter2", 2, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿顶圆直径 da"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 2 的齿顶圆直径 da2（代替 ha*）"), PAIR_OPTIONAL(p.gear2.tipDiameter)},
    PairOption{"allowance-upper1", 1, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿厚上偏差 Esns"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的齿厚上偏差 Esns1，默认 0"), nullptr, PAIR_PLAIN(p.gear1.allowanceUpper)},
    PairOption{"allowance-upper2", 2, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿厚上偏差 Esns"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 2 的齿厚上偏差 Esns2，默认 0"), nullptr, PAIR_PLAIN(p.gear2.allowanceUpper)},
    PairOption{"allowance-lower1", 1, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿厚下偏差 Esni"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 1 的齿厚下偏差 Esni1，默认 0"), nullptr, PAIR_PLAIN(p.gear1.allowanceLower)},
    PairOption{"allowance-lower2", 2, nullptr, QT_TRANSLATE_NOOP("PairInput", "齿厚下偏差 Esni"),
               QT_TRANSLATE_NOOP("PairOption", "齿轮 2 的齿厚下偏差 Esni2，默认 0"), nullptr, PAIR_PLAIN(p.gear2.allowanceLower)},
    PairOption{"centre-distance", 0, "centreDistance", QT_TRANSLATE_NOOP("PairInput", "中心距 a"),
               QT_TRANSLATE_NOOP("PairOption", "中心距 a；不填则为公称齿厚下的无侧隙中心距"), PAIR_OPTIONAL(p.centreDistance)},
    PairOption{"centre-distance-upper", 0, "centreDistanceUpper", QT_TRANSLATE_NOOP("PairInput", "中心距上偏差"),
               QT_TRANSLATE_NOOP("PairOption", "中心距的上偏差（长度），默认 0"), nullptr, PAIR_PLAIN(p.centreDistanceUpper)},
    PairOption{"centre-distance-lower", 0, "centreDistanceLower", QT_TRANSLATE_NOOP("PairInput", "中心距下偏差"),
               QT_TRANSLATE_NOOP("PairOption", "中心距的下偏差（长度），默认 0"), nullptr, PAIR_PLAIN(p.centreDistanceLower)},
    PairOption{"face-width", 0, "faceWidth", QT_TRANSLATE_NOOP("PairInput", "齿宽 b"),
               QT_TRANSLATE_NOOP("PairOption", "齿宽 b（纵向重合度 εβ 用）"), PAIR_OPTIONAL(p.faceWidth)},
};

#undef PAIR_OPTIONAL
#undef PAIR_PLAIN

} // namespace

std::span<const PairOption> pairOptions() { return kOptions; }

const PairOption *findPairOption(std::string_view name)
{
    for (const PairOption &o : kOptions) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

std::optional<double> pairOptionNumber(const PairOption &option, const PairInput &in)
{
    PairInput &p = const_cast<PairInput &>(in); // the accessors only read here
    if (option.optional)
        return *option.optional(p);
    return *option.plain(p);
}

void setPairOptionNumber(const PairOption &option, PairInput &in, std::optional<double> value)
{
    if (option.optional)
        *option.optional(in) = value;
    else if (value)
        *option.plain(in) = *value;
}

std::optional<Failure> checkPairInput(const PairInput &in)
{
    if (in.module.has_value() == in.diametralPitch.has_value())
        return Failure::SizeNotGiven;
    return std::nullopt;
}

} // namespace geardim
