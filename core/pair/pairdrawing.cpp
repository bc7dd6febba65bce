#include "core/pair/pairdrawing.h"

#include <algorithm>
#include <cmath>

#include "core/common/angle.h"
#include "core/common/text.h"
#include "core/common/translatable.h"
#include "core/geometry/helix.h"
#include "core/geometry/involute.h"

namespace geardim {
namespace {

Point polar(double radius, double angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

Polyline turnedAndMoved(Polyline line, double turn, Point to)
{
    const double c = std::cos(turn), s = std::sin(turn);
    for (Point &p : line.points)
        p = {to.x + p.x * c - p.y * s, to.y + p.x * s + p.y * c};
    return line;
}

} // namespace

MeasurementDrawing pairDrawing(const PairResult &r)
{
    const SheetResult &g1 = r.gear1.sheet, &g2 = r.gear2.sheet;
    const double a = r.centreDistance.nominal;
    const double rw1 = r.gear1.workingDiameter / 2, rw2 = r.gear2.workingDiameter / 2;
    const double alphaN = radians(r.pressureAngleDeg), beta = radians(r.helixAngleDeg);
    const double alphaT = transverseAngle(alphaN, beta), alphaWt = radians(r.workingPressureAngleDeg);
    // The circumferential backlash of the nominal thicknesses at the nominal centre distance.
    const double backlash = std::max(0.0, circumferentialBacklash(r, a, r.sumShift).value_or(0));
    // Half of gear 1's space on its working circle, from the transverse thickness there.
    const double toothHalf1 = g1.thickness.nominal / std::cos(beta) / g1.referenceDiameter + inv(alphaT) - inv(alphaWt);
    const double spaceHalf1 = kPi / g1.teeth - toothHalf1;

    MeasurementDrawing d;
    const MeasurementDrawing first = measurementDrawing(g1), second = measurementDrawing(g2);
    d.outline = first.outline;
    // Gear 2's tooth points down into gear 1's space (its drawing has a space on top), and is
    // turned on by half the backlash so that it touches gear 1's flank on the left.
    const double turn = kPi - kPi / g2.teeth - backlash / 2 / rw2;
    d.mates.push_back(turnedAndMoved(second.outline, turn, {0, a}));
    d.circles = {{{0, 0}, rw1, Stroke::Thin}, {{0, a}, rw2, Stroke::Thin}};
    const int decimals = lengthDecimals(r.unit);
    d.dimensions.push_back({{0, 0}, {0, a}, "a = " + sheetNumber(a, decimals), Panel::Whole, {0, a / 2}});
    // The backlash on gear 1's working circle, from its right flank back to gear 2's tooth.
    const double right = kPi / 2 - spaceHalf1;
    const Point from = polar(rw1, right), to = polar(rw1, right + backlash / rw1);
    const double m = r.module;
    d.dimensions.push_back({from, to,
                            "jwt = " + sheetNumber(r.circumferential.min, decimals) + " … " + sheetNumber(r.circumferential.max, decimals),
                            Panel::Detail, {rw1 * std::cos(right) + 1.2 * m, rw1 * std::sin(right) + 2.0 * m}, true});
    const double outer1 = std::max(g1.tipDiameter, g1.referenceDiameter) / 2 + 1.5 * m;
    const double outer2 = std::max(g2.tipDiameter, g2.referenceDiameter) / 2 + 1.5 * m;
    const double side = std::max(outer1, outer2);
    d.whole = {-side, -outer1, side, a + outer2};
    d.detail = {-3.2 * m, rw1 - 3.0 * m, 3.2 * m, rw1 + 3.4 * m};
    d.captionParts.push_back(QT_TRANSLATE_NOOP("Drawing", "齿轮副的端面截面，按公称齿厚和公称中心距画出；齿轮 2 在左侧齿面接触，节圆上的圆周侧隙在右侧标出（最小 … 最大）"));
    return d;
}

} // namespace geardim
