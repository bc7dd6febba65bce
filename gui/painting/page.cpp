#include "gui/painting/page.h"

#include "io/language.h"
#include "io/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QBuffer>

#include "gui/painting/measurementpicture.h"
#include "gui/toolkit/fonts.h"

namespace geardim {

// A Song face for the page whose text can be copied out of the PDF, at a size in points.
QFont reportFont(double points, bool bold)
{
    QFont font = documentFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws text wrapped into a rectangle's width from y down; returns the y below it.
double paragraph(QPainter &p, const QString &text, double left, double width, double y)
{
    const QRectF bounds = p.boundingRect(QRectF(left, y, width, 1e6), Qt::TextWordWrap, text);
    p.drawText(QRectF(left, y, width, bounds.height()), Qt::TextWordWrap, text);
    return y + bounds.height();
}

// The verdict ends a measured line after its last comma: its characters are joined by word
// joiners (U+2060, drawn as nothing and left out of the PDF's text).
QString verdictKeptWhole(const QString &text)
{
    const qsizetype comma = std::max(text.lastIndexOf(u'，'), text.lastIndexOf(u','));
    if (comma < 0 || text.size() - comma > 12)
        return text;
    QString out = text.left(comma + 1);
    const QString tail = text.mid(comma + 1);
    for (qsizetype i = 0; i < tail.size(); ++i) {
        if (i > 0 && !tail[i - 1].isSpace() && !tail[i].isSpace())
            out += QChar(0x2060);
        out += tail[i];
    }
    return out;
}

double markedParagraph(QPainter &p, const QString &line, bool fails, double left, double width, double y)
{
    const QString text = verdictKeptWhole(line);
    if (!fails)
        return paragraph(p, text, left, width, y);
    const QFont font = p.font();
    const QPen pen = p.pen();
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(176, 0, 32));
    y = paragraph(p, QCoreApplication::translate("Report", "【不合格】") + text, left, width, y);
    p.setFont(font);
    p.setPen(pen);
    return y;
}

double conclusionParagraph(QPainter &p, PartVerdict verdict, double left, double width, double y)
{
    const QFont font = p.font();
    const QPen pen = p.pen();
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(font.pointSizeF() * 1.2);
    p.setFont(bold);
    p.setPen(verdict == PartVerdict::Pass ? QColor(0, 110, 40) : verdict == PartVerdict::Fail ? QColor(176, 0, 32) : QColor(150, 90, 0));
    y = paragraph(p, QCoreApplication::translate("Verdict", partVerdictText(verdict)), left, width, y);
    p.setFont(font);
    p.setPen(pen);
    return y;
}

double paintTable(QPainter &p, QPagedPaintDevice &device, const std::vector<std::vector<std::string>> &lines,
                  const std::vector<double> &columns, int leftAligned, double left, double width, double y)
{
    const double mm = device.logicalDpiX() / 25.4;
    const QFontMetricsF metrics(reportFont(10), &device);
    const auto row = [&](const QStringList &cells, bool header) {
        p.setFont(reportFont(10, header));
        // A name too long for its column wraps, and its row grows to hold it.
        const QFontMetricsF rowMetrics(p.font(), &device);
        double rowHeight = metrics.height() * 1.5;
        for (int c = 0; c < cells.size(); ++c) {
            const QRectF room(0, 0, width * columns[std::size_t(c)] - 3 * mm, 1e6);
            rowHeight = std::max(rowHeight, rowMetrics.boundingRect(room, Qt::TextWordWrap, cells[c]).height()
                                                + metrics.height() * 0.5);
        }
        double x = left;
        for (int c = 0; c < cells.size(); ++c) {
            const QRectF cell(x, y, width * columns[std::size_t(c)], rowHeight);
            const Qt::Alignment align = Qt::AlignVCenter | (c >= leftAligned ? Qt::AlignRight : Qt::AlignLeft);
            p.drawText(cell.adjusted(1.5 * mm, 0, -1.5 * mm, 0), int(align) | Qt::TextWordWrap, cells[c]);
            x += width * columns[std::size_t(c)];
        }
        p.drawLine(QPointF(left, y + rowHeight), QPointF(left + width, y + rowHeight));
        y += rowHeight;
    };
    p.setPen(QPen(Qt::black, 0.2 * mm));
    p.drawLine(QPointF(left, y), QPointF(left + width, y));
    bool heading = true;
    for (const auto &line : lines) {
        QStringList cells;
        for (const std::string &cell : line)
            cells << QString::fromStdString(cell);
        row(cells, heading);
        heading = false;
    }
    return y;
}

double paintRecordBlock(QPainter &p, const InspectionRecord &inspection, const QDate &date, double mm, double left,
                        double width, double y)
{
    // The inspection record: who inspected which part with which gauge, and a line to sign.
    p.setPen(Qt::black);
    p.setFont(reportFont(10));
    QStringList record;
    for (const auto &[label, value] : {std::pair{QCoreApplication::translate("Report", "图号："), inspection.drawing},
                                       {QCoreApplication::translate("Report", "零件编号："), inspection.partNumber},
                                       {QCoreApplication::translate("Report", "量具编号："), inspection.gaugeNumber}}) {
        if (!value.isEmpty())
            record << label + value;
    }
    if (!record.isEmpty())
        y = paragraph(p, record.join(QStringLiteral("    ")), left, width, y) + 1 * mm;
    y = paragraph(p, QCoreApplication::translate("Report", "日期：") + date.toString(Qt::ISODate), left, width, y) + 6 * mm;
    return paragraph(p,
                     QCoreApplication::translate("Report", "检验员：%1    签字：______________________").arg(inspection.inspector),
                     left, width, y);
}

FileDone writePdfPage(const QString &path, const QString &title, const std::function<void(QPainter &, QPagedPaintDevice &)> &paint)
{
    const QString name = QFileInfo(path).fileName();
    // A PDF under another name is a slip that would replace some other file.
    if (QFileInfo(path).suffix().toLower() != QLatin1String("pdf"))
        return FileDone::refused(QCoreApplication::translate("Report", "无法导出“%1”：PDF 的文件名须以 .pdf 结尾。").arg(name));
    if (const FileDone target = checkOutputTarget(path); !target.ok())
        return FileDone::refused(QCoreApplication::translate("Report", "无法导出“%1”：%2。").arg(name, target.problem()));
    registerSongSubstitutes();
    // The page is made in memory and written all or nothing, so a full disk cannot
    // leave half a PDF in place of the old one.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("geardim"));
        QPainter painter(&pdf);
        paint(painter, pdf);
    }
    return saveWholeFile(path, bytes, QCoreApplication::translate("Report", "无法导出“%1”：%2。%3"));
}

PageColumn pageColumn(const QPagedPaintDevice &device)
{
    PageColumn c;
    c.mm = device.logicalDpiX() / 25.4;
    c.left = 5 * c.mm;
    c.width = device.width() - 10 * c.mm;
    c.top = 5 * c.mm;
    c.bottom = device.height();
    return c;
}

double pageTitle(QPainter &p, const PageColumn &c, const QString &title)
{
    p.setFont(reportFont(16, true));
    const double y = paragraph(p, title, c.left, c.width, c.top) + 2 * c.mm;
    p.setFont(reportFont(10));
    return y;
}

double pictureAndWarnings(QPainter &p, const PageColumn &c, double y, double maxHeight, double keptBelow,
                          const MeasurementDrawing *drawing, const std::vector<std::string> &warnings)
{
    const double pictureHeight = std::min(maxHeight, c.bottom - y - keptBelow);
    if (drawing && pictureHeight > 25 * c.mm) {
        paintMeasurement(p, QRectF(c.left, y, c.width, pictureHeight), *drawing);
        y += pictureHeight + 3 * c.mm;
    }
    p.setPen(Qt::black);
    p.setFont(reportFont(10));
    for (const std::string &w : warnings)
        y = paragraph(p, QCoreApplication::translate("Report", "注意：") + QString::fromStdString(w), c.left, c.width, y) + 1 * c.mm;
    return y;
}

} // namespace geardim
