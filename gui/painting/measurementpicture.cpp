#include "gui/painting/measurementpicture.h"

#include "io/language.h"
#include "io/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QBuffer>


#include "gui/toolkit/fonts.h"

namespace geardim {
namespace {

QColor colour(Stroke stroke)
{
    const StrokeColour c = strokeColour(stroke);
    return QColor(c.red, c.green, c.blue);
}

// The model's panel in the painter's coordinates: the drawing's one mapping.
struct Mapping {
    PanelMapping map;
    QPointF operator()(Point p) const
    {
        const Point q = map(p);
        return {q.x, q.y};
    }
};

Mapping mappingFor(const Box &box, const QRectF &panel)
{
    return {PanelMapping::fit(box, panel.left(), panel.top(), panel.width(), panel.height())};
}

QPen pen(Stroke stroke, double width)
{
    QPen p(colour(stroke), width);
    p.setCosmetic(true);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// At the detail the panel shows: in the whole gear a 3000-tooth gear as few points as its
// pixels hold; in the detail panel every point inside it half a pixel or more from the last,
// which is all a zoomed-in flank has and all the pixels can show of a long span.
void drawPolyline(QPainter &painter, const Mapping &m, const Polyline &line, double unit, bool detail)
{
    if (line.points.size() < 2)
        return;
    const QRectF clip = painter.clipBoundingRect();
    const Box viewport{clip.left(), clip.top(), clip.right(), clip.bottom()};
    QPainterPath path;
    for (const std::vector<Point> &run : visibleRuns(line, m.map, viewport, detail ? 0.5 * unit : 1.0 * unit)) {
        path.moveTo(run.front().x, run.front().y);
        for (std::size_t i = 1; i < run.size(); ++i)
            path.lineTo(run[i].x, run[i].y);
    }
    painter.setPen(pen(line.stroke, line.width * unit));
    painter.drawPath(path);
}

void drawCircle(QPainter &painter, const Mapping &m, const Circle &c, double unit)
{
    painter.setPen(pen(c.stroke, c.width * unit));
    const double r = c.radius * m.map.scale;
    painter.drawEllipse(m(c.centre), r, r);
}

void drawPanel(QPainter &painter, const QRectF &panel, const Box &box, const MeasurementDrawing &d, double unit,
               bool detail)
{
    painter.save();
    painter.setClipRect(panel);
    const Mapping m = mappingFor(box, panel);
    for (const Circle &c : d.circles)
        drawCircle(painter, m, c, unit);
    if (detail) {
        for (const Polyline &ghost : d.ghosts)
            drawPolyline(painter, m, ghost, unit, detail);
    }
    drawPolyline(painter, m, d.outline, unit, detail);
    for (const Polyline &mate : d.mates)
        drawPolyline(painter, m, mate, unit, detail);
    painter.setBrush(QColor(30, 90, 200, 40));
    for (const Circle &g : d.gauges)
        drawCircle(painter, m, g, unit);
    painter.setBrush(Qt::NoBrush);
    for (const Polyline &face : d.anvils)
        drawPolyline(painter, m, face, unit, detail);
    drawPolyline(painter, m, d.spanLine, unit, detail);
    // Contact points as dots, in the colours the drawing gives them.
    for (const auto &[points, stroke] : {std::pair{&d.gaugeContacts, gaugeContactStroke(d)}, {&d.spanContacts, spanContactStroke(d)}}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(stroke));
        for (const Point &p : *points)
            painter.drawEllipse(m(p), kContactDotRadius * unit, kContactDotRadius * unit);
    }
    painter.setBrush(Qt::NoBrush);
    // Dimension lines with their values; the detail shows the span's, the whole gear M and R.
    QFont font = documentFont();
    font.setPixelSize(std::max(8, int(11 * unit)));
    painter.setFont(font);
    for (const DimensionLine &dim : d.dimensions) {
        if ((dim.panel == Panel::Detail) != detail)
            continue;
        painter.setPen(pen(Stroke::Dimension, dim.width * unit));
        const QPointF a = m(dim.from), b = m(dim.to);
        painter.drawLine(a, b);
        for (const QPointF &end : {a, b})
            painter.drawEllipse(end, 1.5 * unit, 1.5 * unit);
        const QString text = QString::fromStdString(dim.text);
        const QPointF at = m(dim.label);
        if (dim.leader) {
            // Out where no outline crosses it, centred above the leader's end.
            painter.setPen(pen(Stroke::Dimension, dim.leaderWidth * unit));
            painter.drawLine((a + b) / 2, at);
            const double w = painter.fontMetrics().horizontalAdvance(text);
            painter.drawText(at + QPointF(-w / 2, -4 * unit), text);
        } else {
            painter.drawText(at + QPointF(4 * unit, -4 * unit), text);
        }
    }
    painter.restore();
}

QString captionText(const MeasurementDrawing &drawing)
{
    QString caption;
    for (const char *part : drawing.captionParts)
        caption += QCoreApplication::translate("Drawing", part);
    return caption;
}

} // namespace

void paintMeasurement(QPainter &painter, const QRectF &area, const MeasurementDrawing &drawing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Lines and text keep their weight whatever the device's resolution.
    const double unit = std::max(1.0, painter.device() ? painter.device()->logicalDpiX() / 96.0 : 1.0);
    QFont captionFont = documentFont();
    captionFont.setPixelSize(std::max(8, int(12 * unit)));
    // The caption wraps to the width and takes the lines it needs, at most half the area.
    const QString caption = captionText(drawing);
    const QFontMetricsF captionMetrics(captionFont, painter.device());
    const double captionHeight = std::min(
        area.height() / 2,
        captionMetrics.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::AlignLeft | Qt::TextWordWrap, caption).height()
            + 4 * unit);
    const QRectF panels = area.adjusted(0, 0, 0, -captionHeight);
    const double gap = 8 * unit;
    const bool sideBySide = panels.width() >= panels.height();
    const QRectF whole = sideBySide ? QRectF(panels.left(), panels.top(), (panels.width() - gap) / 2, panels.height())
                                    : QRectF(panels.left(), panels.top(), panels.width(), (panels.height() - gap) / 2);
    const QRectF detail = sideBySide ? whole.translated(whole.width() + gap, 0) : whole.translated(0, whole.height() + gap);
    painter.setPen(QPen(QColor(210, 210, 210), 1));
    painter.drawRect(whole);
    painter.drawRect(detail);
    drawPanel(painter, whole.adjusted(4, 4, -4, -4), drawing.whole, drawing, unit, false);
    drawPanel(painter, detail.adjusted(4, 4, -4, -4), drawing.detail, drawing, unit, true);
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), panels.bottom() + 2 * unit, area.width(), captionHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    painter.restore();
}

FileDone writeMeasurementPicture(const QString &path, const QSize &size, const MeasurementDrawing &drawing)
{
    const QString name = QFileInfo(path).fileName();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        return FileDone::refused(QCoreApplication::translate("Picture", "无法写入“%1”：图片只能是 .png 或 .svg。").arg(name));
    if (const FileDone target = checkOutputTarget(path); !target.ok())
        return FileDone::refused(QCoreApplication::translate("Picture", "无法写入“%1”：%2。").arg(name, target.problem()));
    registerSongSubstitutes();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        bytes = QByteArray::fromStdString(measurementSvg(drawing, size.width(), size.height(), qtTextTranslator()));
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintMeasurement(painter, QRectF(QPointF(0, 0), size), drawing);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return FileDone::refused(QCoreApplication::translate("Picture", "无法写入“%1”：PNG 编码失败。").arg(name));
    }
    return saveWholeFile(path, bytes, QCoreApplication::translate("Picture", "无法写入“%1”：%2。%3"));
}

} // namespace geardim
