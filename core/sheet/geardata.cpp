#include "core/sheet/geardata.h"

#include <algorithm>

#include "core/common/translatable.h"
#include "core/common/resulttext.h"

namespace geardim {
namespace {

constexpr const char *kContext = "GearData"; // the texts' translation context

std::string translatedText(const TextTranslator &tr, const char *text)
{
    return tr ? tr(kContext, text) : std::string(text);
}

// A number as a drawing writes it: the shortest exact form, no trailing zeros.
std::string plain(double v) { return shortestNumber(v); }

std::string withDeviations(const Limits &l, int decimals)
{
    return sheetNumber(l.nominal, decimals) + " " + sheetDeviations(l.max - l.nominal, l.min - l.nominal, decimals);
}

} // namespace

std::vector<GearDataRow> gearDataRows(const SheetResult &r, const TextTranslator &tr)
{
    const int decimals = sheetDecimals(r);
    const std::string unit = std::string(" ") + unitName(r.unit);
    const SheetInput &in = r.input;
    std::vector<GearDataRow> rows;
    const auto add = [&](const char *caption, std::string value) { rows.push_back({translatedText(tr, caption), std::move(value)}); };
    if (in.diametralPitch)
        add(QT_TRANSLATE_NOOP("GearData", "法向径节 P"), plain(*in.diametralPitch) + " 1/in");
    else
        add(QT_TRANSLATE_NOOP("GearData", "法向模数 mn"), plain(r.module) + " mm");
    add(QT_TRANSLATE_NOOP("GearData", "齿数 z"), plain(r.teeth));
    add(QT_TRANSLATE_NOOP("GearData", "法向压力角 αn"), plain(r.pressureAngleDeg) + "°");
    std::string helix = plain(std::abs(r.helixAngleDeg)) + "°";
    if (in.hand == SheetInput::Hand::Left)
        helix += " " + translatedText(tr, QT_TRANSLATE_NOOP("GearData", "左旋"));
    else if (in.hand == SheetInput::Hand::Right)
        helix += " " + translatedText(tr, QT_TRANSLATE_NOOP("GearData", "右旋"));
    add(QT_TRANSLATE_NOOP("GearData", "螺旋角 β"), helix);
    add(QT_TRANSLATE_NOOP("GearData", "变位系数 x"), sheetNumber(r.shift, 4));
    add(QT_TRANSLATE_NOOP("GearData", "分度圆直径 d"), sheetNumber(r.referenceDiameter, decimals) + unit);
    // The tooth-thickness allowances the inspection dimensions below follow from.
    add(QT_TRANSLATE_NOOP("GearData", "齿厚上偏差 Esns"), sheetSignedNumber(r.allowanceUpper, decimals) + unit);
    add(QT_TRANSLATE_NOOP("GearData", "齿厚下偏差 Esni"), sheetSignedNumber(r.allowanceLower, decimals) + unit);
    if (r.accuracy) {
        const FlankTolerances &t = *r.accuracy;
        add(QT_TRANSLATE_NOOP("GearData", "精度等级"), std::to_string(t.accuracyClass) + " " + kAccuracyStandard);
        // The tolerances a Chinese drawing's table lists with its class, in µm as the standard gives them.
        for (const auto &[caption, value] : {std::pair{QT_TRANSLATE_NOOP("GearData", "单个齿距公差 fpT"), t.singlePitch},
                                             {QT_TRANSLATE_NOOP("GearData", "齿距累积总公差 FpT"), t.cumulativePitch},
                                             {QT_TRANSLATE_NOOP("GearData", "齿廓总公差 FαT"), t.profileTotal},
                                             {QT_TRANSLATE_NOOP("GearData", "螺旋线总公差 FβT"), t.helixTotal},
                                             {QT_TRANSLATE_NOOP("GearData", "径向跳动公差 FrT"), t.runout}})
            add(caption, sheetNumber(value, 1) + " µm");
    }
    if (r.span) {
        add(QT_TRANSLATE_NOOP("GearData", "跨测齿数 k"), std::to_string(r.span->teeth));
        add(QT_TRANSLATE_NOOP("GearData", "公法线长度 W"), withDeviations(r.span->length, decimals) + unit);
    }
    add(r.gauge == GaugeKind::Ball ? QT_TRANSLATE_NOOP("GearData", "量球直径 D") : QT_TRANSLATE_NOOP("GearData", "量棒直径 D"),
        sheetNumber(r.gaugeDiameter, decimals) + unit);
    add(r.internal ? QT_TRANSLATE_NOOP("GearData", "量棒（球）间距 M") : QT_TRANSLATE_NOOP("GearData", "跨棒（球）距 M"),
        withDeviations(r.overGauges, decimals) + unit);
    if (!in.matingDrawing.empty())
        add(QT_TRANSLATE_NOOP("GearData", "配对齿轮图号"), in.matingDrawing);
    return rows;
}

std::string gearDataCsv(const std::vector<GearDataRow> &rows, const TextTranslator &tr)
{
    // A UTF-8 byte-order mark first: a spreadsheet on a Chinese Windows PC reads the
    // captions as UTF-8 only with it.
    std::string out = "\xEF\xBB\xBF" + csvField(translatedText(tr, QT_TRANSLATE_NOOP("GearData", "项目"))) + ","
                      + csvField(translatedText(tr, QT_TRANSLATE_NOOP("GearData", "数值"))) + "\n";
    for (const GearDataRow &row : rows)
        out += csvField(row.caption) + "," + csvField(row.value) + "\n";
    return out;
}

std::string gearDataSvg(const std::vector<GearDataRow> &rows)
{
    // Two columns, 7 mm rows: a table a drawing places in its corner, to scale in mm.
    const double rowHeight = 7, captionWidth = 45, valueWidth = 55, width = captionWidth + valueWidth;
    const double height = rowHeight * double(rows.size());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
                      + sheetNumber(width, 0) + "mm\" height=\"" + sheetNumber(height, 0) + "mm\" viewBox=\"0 0 "
                      + sheetNumber(width, 0) + " " + sheetNumber(height, 0)
                      + "\" font-family=\"DejaVu Sans, Noto Sans, AR PL UMing CN, sans-serif\" font-size=\"3.5\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + sheetNumber(width, 0) + "\" height=\"" + sheetNumber(height, 0)
           + "\" fill=\"none\" stroke=\"black\" stroke-width=\"0.5\"/>\n";
    svg += "<line x1=\"" + sheetNumber(captionWidth, 0) + "\" y1=\"0\" x2=\"" + sheetNumber(captionWidth, 0) + "\" y2=\""
           + sheetNumber(height, 0) + "\" stroke=\"black\" stroke-width=\"0.25\"/>\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double top = rowHeight * double(i);
        if (i)
            svg += "<line x1=\"0\" y1=\"" + sheetNumber(top, 2) + "\" x2=\"" + sheetNumber(width, 0) + "\" y2=\""
                   + sheetNumber(top, 2) + "\" stroke=\"black\" stroke-width=\"0.25\"/>\n";
        const std::string y = sheetNumber(top + rowHeight - 2.2, 2);
        svg += "<text x=\"1.5\" y=\"" + y + "\">" + markupEscaped(rows[i].caption) + "</text>\n";
        svg += "<text x=\"" + sheetNumber(captionWidth + 1.5, 2) + "\" y=\"" + y + "\">" + markupEscaped(rows[i].value)
               + "</text>\n";
    }
    return svg + "</svg>\n";
}

} // namespace geardim
