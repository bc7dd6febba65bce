#include "io/geardatatable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

#include <dxflib/dl_dxf.h>

#include "core/sheet/geardata.h"
#include "io/language.h"
#include "io/safefile.h"

namespace geardim {
namespace {

constexpr double kTextHeight = 3.5; // mm

// DXF 2000 text is in the drawing's code page: every character beyond ASCII as \U+XXXX,
// which CAD programs read as Unicode.
std::string dxfText(const std::string &utf8)
{
    const QString text = QString::fromStdString(utf8);
    std::string out;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            out += char(c);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\U+%04X", unsigned(c));
            out += buf;
        }
    }
    return out;
}

} // namespace

double dxfTextWidth(const std::string &utf8, double height)
{
    // gbcbig sets a Chinese character a full height wide; gbenor a Latin one about 0.7 of it.
    double width = 0;
    for (const char32_t c : QString::fromStdString(utf8).toUcs4())
        width += (c >= 0x2E80 ? 1.0 : 0.7) * height;
    return width;
}

QByteArray gearDataDxf(const SheetResult &sheet)
{
    const std::vector<GearDataRow> rows = gearDataRows(sheet, qtTextTranslator());
    QTemporaryFile temporary;
    if (!temporary.open())
        return QByteArray();
    temporary.close();
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(QFile::encodeName(temporary.fileName()).constData(), DL_Codes::AC1015));
        if (!dw)
            return QByteArray();
        dxf.writeHeader(*dw);
        dw->sectionEnd();
        dw->sectionTables();
        dxf.writeVPort(*dw);
        dw->tableLinetypes(3);
        dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
        dw->tableEnd();
        dw->tableLayers(1);
        dxf.writeLayer(*dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
        dw->tableEnd();
        dw->tableStyle(1);
        // The Chinese drafting standard's SHX fonts (GB/T 14665), which the CAD programs sold in
        // China carry: gbenor for Latin text, gbcbig as the big font for Chinese; a program
        // without them substitutes, but is told which font the captions are set in.
        // (Written by hand: dxflib's writeStyle keeps no big font and puts the font in XDATA.)
        dw->dxfString(0, "STYLE");
        dw->handle();
        dw->dxfString(100, "AcDbSymbolTableRecord");
        dw->dxfString(100, "AcDbTextStyleTableRecord");
        dw->dxfString(2, "standard");
        dw->dxfInt(70, 0);
        dw->dxfReal(40, 0.0);
        dw->dxfReal(41, 1.0);
        dw->dxfReal(50, 0.0);
        dw->dxfInt(71, 0);
        dw->dxfReal(42, 2.5);
        dw->dxfString(3, kLatinFont);
        dw->dxfString(4, kBigFont);
        dw->tableEnd();
        dxf.writeView(*dw);
        dxf.writeUcs(*dw);
        dw->tableAppid(1);
        dxf.writeAppid(*dw, "ACAD");
        dw->tableEnd();
        dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
        dxf.writeBlockRecord(*dw);
        dxf.writeBlockRecord(*dw, "GEARDATA");
        dw->tableEnd();
        dw->sectionEnd();

        // The table as a block: two columns, 7 mm rows, text 3.5 mm high, each column as wide
        // as its longest text and a margin.
        const DL_Attributes attributes("0", 256, -1, "BYLAYER", 1.0);
        double captionWidth = 45, valueWidth = 55;
        for (const GearDataRow &row : rows) {
            captionWidth = std::max(captionWidth, dxfTextWidth(row.caption, kTextHeight) + 3);
            valueWidth = std::max(valueWidth, dxfTextWidth(row.value, kTextHeight) + 3);
        }
        const double rowHeight = 7, width = captionWidth + valueWidth, height = rowHeight * double(rows.size());
        dw->sectionBlocks();
        dxf.writeBlock(*dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Model_Space");
        dxf.writeBlock(*dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Paper_Space");
        dxf.writeBlock(*dw, DL_BlockData("GEARDATA", 0, 0.0, 0.0, 0.0));
        const auto line = [&](double x1, double y1, double x2, double y2) {
            dxf.writeLine(*dw, DL_LineData(x1, y1, 0, x2, y2, 0), attributes);
        };
        for (std::size_t i = 0; i <= rows.size(); ++i)
            line(0, -rowHeight * double(i), width, -rowHeight * double(i));
        line(0, 0, 0, -height);
        line(captionWidth, 0, captionWidth, -height);
        line(width, 0, width, -height);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double y = -rowHeight * double(i + 1) + 2;
            for (const auto &[x, text] : {std::pair{1.5, &rows[i].caption}, {captionWidth + 1.5, &rows[i].value}})
                dxf.writeText(*dw, DL_TextData(x, y, 0, x, y, 0, kTextHeight, 1.0, 0, 0, 0, dxfText(*text), "standard", 0.0), attributes);
        }
        dxf.writeEndBlock(*dw, "GEARDATA");
        dw->sectionEnd();
        dw->sectionEntities();
        dxf.writeInsert(*dw, DL_InsertData("GEARDATA", 0, 0, 0, 1, 1, 1, 0, 1, 1, 0, 0), attributes);
        dw->sectionEnd();
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
        dw->close();
    }
    QFile written(temporary.fileName());
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

FileDone writeGearDataTable(const QString &path, const SheetResult &sheet, const QString &drawing)
{
    Q_UNUSED(drawing);
    const QString name = QFileInfo(path).fileName();
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("dxf"))
        bytes = gearDataDxf(sheet);
    else if (suffix == QLatin1String("svg"))
        bytes = QByteArray::fromStdString(gearDataSvg(gearDataRows(sheet, qtTextTranslator())));
    else if (suffix == QLatin1String("csv"))
        bytes = QByteArray::fromStdString(gearDataCsv(gearDataRows(sheet, qtTextTranslator()), qtTextTranslator()));
    else
        return FileDone::refused(QCoreApplication::translate("GearData", "无法写入“%1”：齿轮参数表只能是 .dxf、.svg 或 .csv。").arg(name));
    if (bytes.isEmpty())
        return FileDone::refused(QCoreApplication::translate("GearData", "无法写入“%1”：DXF 没有写成。").arg(name));
    return saveWholeFile(path, bytes, QCoreApplication::translate("GearData", "无法写入“%1”：%2。%3"));
}

} // namespace geardim
