#include "core/common/failure.h"

#include "core/common/translatable.h"

namespace geardim {

const char *failureText(Failure failure)
{
    switch (failure) {
    case Failure::ModuleNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "模数m必须大于0。请输入正的模数。");
    case Failure::TeethNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "齿数z必须大于0。请输入正的齿数。");
    case Failure::TeethBelowOne:
        return QT_TRANSLATE_NOOP("Failure", "齿数z不能小于1。请检查齿数z。");
    case Failure::PressureAngleOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "压力角α必须大于0°且小于90°。请检查压力角。");
    case Failure::HelixAngleOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "螺旋角β必须大于-90°且小于90°。请检查螺旋角。");
    case Failure::PinNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "量棒（球）直径d必须大于0。请检查量棒直径。");
    case Failure::PinNegative:
        return QT_TRANSLATE_NOOP("Failure", "量棒（球）直径d不能为负数。请检查量棒直径。");
    case Failure::RootDiameterNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "齿根圆直径必须大于0。请重新输入齿根圆直径。");
    case Failure::SpanCountUndefined:
        return QT_TRANSLATE_NOOP("Failure", "无法计算跨测齿数k和公法线长度L：负变位过大，(1+2x/z)² 小于 cos²α。"
               "请检查变位系数x和齿数z。");
    case Failure::PinCentreOffInvolute:
        return QT_TRANSLATE_NOOP("Failure", "量棒（球）中心不在渐开线齿廓上，M值没有意义：量棒直径d对该齿轮过大或过小，"
               "或数据相互矛盾。请检查量棒直径d和变位系数x。");
    case Failure::ContactCircleInsideBase:
        return QT_TRANSLATE_NOOP("Failure", "接触圆在基圆之内，无法估算量棒（球）直径：负变位过大。请检查变位系数x、齿数z和螺旋角β。");
    case Failure::EstimateNotConverged:
        return QT_TRANSLATE_NOOP("Failure", "量棒（球）直径的迭代计算不收敛或没有有效解，无法估算。请检查输入的齿轮数据。");
    case Failure::NoPositivePin:
        return QT_TRANSLATE_NOOP("Failure", "按这些数据估算出的量棒（球）直径不大于0，没有可用的量棒（球）。请检查变位系数x和齿数z。");
    case Failure::PinCentresInsideBase:
        return QT_TRANSLATE_NOOP("Failure", "量棒（球）中心所在的圆在基圆之内，无法求变位系数：M值或量棒直径d与该齿轮不符"
               "（外齿M值过小，内齿M值过大）。请检查M值和量棒直径d。");
    case Failure::ChordNotShorterThanDiameter:
        return QT_TRANSLATE_NOOP("Failure", "弦齿厚s不小于当量齿轮的分度圆直径，无法求变位系数。请检查齿厚s、模数m、齿数z和螺旋角β。");
    case Failure::SpanLengthTooShort:
        return QT_TRANSLATE_NOOP("Failure", "公法线长度L对该齿轮过小，估算出的跨齿数k小于1，没有结果。请检查公法线长度L和模数m、齿数z。");
    case Failure::SizeNotGiven:
        return QT_TRANSLATE_NOOP("Failure", "请填写法向模数m或径节P，二者只填一个。");
    case Failure::ShiftAndThicknessBoth:
        return QT_TRANSLATE_NOOP("Failure", "变位系数x和法向齿厚sn只能填一个，另一个由程序计算。请清空其中一个。");
    case Failure::TeethNotWhole:
        return QT_TRANSLATE_NOOP("Failure", "齿数z必须是不小于1的整数。请检查齿数z。");
    case Failure::ThicknessNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "法向齿厚sn（计入齿厚偏差后）必须大于0。请检查变位系数x、齿厚sn和齿厚偏差。");
    case Failure::TipDiameterNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "齿顶圆直径da必须大于0。请检查齿顶圆直径da。");
    case Failure::AddendumNegative:
        return QT_TRANSLATE_NOOP("Failure", "齿顶高系数ha*不能为负数。请检查齿顶高系数。");
    case Failure::FaceWidthNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "齿宽b必须大于0。请检查齿宽b，或不填。");
    case Failure::ResultOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "计算结果超出可以表示的范围，没有结果。请检查输入的数值。");
    case Failure::TooFewTeeth:
        return QT_TRANSLATE_NOOP("Failure", "齿数z少于3：这样的齿轮既无法制造，也无法测量。请检查齿数z。");
    case Failure::SpanTeethOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "跨测齿数k必须是不小于1、小于齿数z的整数。请检查跨测齿数k，或不填（由程序选择）。");
    case Failure::AllowancesReversed:
        return QT_TRANSLATE_NOOP("Failure", "齿厚上偏差Esns小于下偏差Esni，二者填反了。请检查上偏差Esns和下偏差Esni。");
    case Failure::MeasuredValueNotPositive:
        return QT_TRANSLATE_NOOP("Failure", "实测值必须大于0。请检查实测值。");
    case Failure::MeasuredGaugeCentreInsideBase:
        return QT_TRANSLATE_NOOP("Failure", "按这个实测M值，量棒（球）中心落在基圆之内：M值与该齿轮和量棒直径不符（外齿过小，内齿过大）。请检查实测M值和量棒直径D。");
    case Failure::AccuracyClassOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "精度等级必须是 1 到 11 的整数（ISO 1328-1:2013）。请检查精度等级。");
    case Failure::AccuracyNeedsFaceWidth:
        return QT_TRANSLATE_NOOP("Failure", "按精度等级计算齿面公差需要齿宽b。请填写齿宽b。");
    case Failure::AccuracyTeethOutside:
        return QT_TRANSLATE_NOOP("Failure", "ISO 1328-1:2013 只适用于齿数 5 到 1000：该齿轮超出范围，没有齿面公差。");
    case Failure::AccuracyDiameterOutside:
        return QT_TRANSLATE_NOOP("Failure", "ISO 1328-1:2013 只适用于分度圆直径 5 到 15 000 mm：该齿轮超出范围，没有齿面公差。");
    case Failure::AccuracyModuleOutside:
        return QT_TRANSLATE_NOOP("Failure", "ISO 1328-1:2013 只适用于法向模数 0.5 到 70 mm：该齿轮超出范围，没有齿面公差。");
    case Failure::AccuracyFaceWidthOutside:
        return QT_TRANSLATE_NOOP("Failure", "ISO 1328-1:2013 只适用于齿宽 4 到 1200 mm：该齿轮超出范围，没有齿面公差。");
    case Failure::AccuracyHelixOutside:
        return QT_TRANSLATE_NOOP("Failure", "ISO 1328-1:2013 只适用于螺旋角不大于 45°：该齿轮超出范围，没有齿面公差。");
    case Failure::AllowanceCodeWithoutTable:
        return QT_TRANSLATE_NOOP("Failure", "填写了齿厚偏差代号，但没有选择齿厚偏差表。请选择偏差表（--allowance-table 或 设置 → 齿厚偏差表…）。");
    case Failure::AllowanceCodeUnknown:
        return QT_TRANSLATE_NOOP("Failure", "齿厚偏差表中没有这个代号。请检查齿厚偏差代号。");
    case Failure::AllowanceCodeNoDiameter:
        return QT_TRANSLATE_NOOP("Failure", "齿厚偏差表中这个代号没有包含该分度圆直径 d 的行。请检查偏差表或代号。");
    case Failure::MeasuredDimensionNotGiven:
        return QT_TRANSLATE_NOOP("Failure", "测量尺寸表对该齿轮不给出这一尺寸（内齿轮没有公法线和弦齿厚），无法评定。");
    case Failure::ModuleOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "法向模数 mn 须在 0.001 到 10000 mm 之间。");
    case Failure::DiametralPitchOutOfRange:
        return QT_TRANSLATE_NOOP("Failure", "径节 P 须在 0.00254 到 25400 (1/in) 之间。");
    case Failure::CentreDistanceTooSmall:
        return QT_TRANSLATE_NOOP("Failure", "中心距 a 须大于两齿轮基圆半径之和，否则不能啮合。请检查中心距及其下偏差。");
    case Failure::CentreDeviationsReversed:
        return QT_TRANSLATE_NOOP("Failure", "中心距的上偏差小于下偏差。请交换上、下偏差。");
    case Failure::MasterTeethNotWhole:
        return QT_TRANSLATE_NOOP("Failure", "样板齿轮齿数 z3 须为不小于 3 的整数。");
    case Failure::PairNoMesh:
        return QT_TRANSLATE_NOOP("Failure", "两齿轮的变位系数之和太小（负），任何中心距都不能啮合。请检查变位系数。");
    }
    return QT_TRANSLATE_NOOP("Failure", "没有结果。请检查输入的数值。");
}

std::optional<Failure> checkModule(double m)
{
    if (!(m > 0))
        return Failure::ModuleNotPositive;
    return std::nullopt;
}

std::optional<Failure> checkTeeth(double z)
{
    if (!(z > 0))
        return Failure::TeethNotPositive;
    return std::nullopt;
}

std::optional<Failure> checkPressureAngle(double alphaDegrees)
{
    if (!(alphaDegrees > 0 && alphaDegrees < 90))
        return Failure::PressureAngleOutOfRange;
    return std::nullopt;
}

std::optional<Failure> checkHelixAngle(double betaDegrees)
{
    if (!(betaDegrees > -90 && betaDegrees < 90))
        return Failure::HelixAngleOutOfRange;
    return std::nullopt;
}

std::optional<Failure> checkGear(double m, double z, double alphaDegrees, double betaDegrees)
{
    if (auto f = checkModule(m))
        return f;
    if (auto f = checkTeeth(z))
        return f;
    if (auto f = checkPressureAngle(alphaDegrees))
        return f;
    return checkHelixAngle(betaDegrees);
}

} // namespace geardim
