#include "gui/sheet/histogram.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "core/sheet/sheetreport.h"
#include "gui/toolkit/fonts.h"
#include "io/safefile.h"

namespace geardim {
namespace {

void paintPanel(QPainter &p, const QRectF &area, const char *name, const AllowanceStatistics &stats,
                const std::vector<double> &allowances)
{
    const AllowanceHistogram h = allowanceHistogram(allowances, stats.upper, stats.lower);
    const QRectF plot = area.adjusted(40, 24, -12, -40);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawRect(plot);
    const long most = std::max<long>(1, *std::max_element(h.counts.begin(), h.counts.end()));
    const double barWidth = plot.width() / double(h.counts.size());
    const auto xOf = [&](double e) { return plot.left() + (e - h.from) / (h.width * double(h.counts.size())) * plot.width(); };
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        const double edge = h.from + h.width * double(i) + h.width / 2;
        const bool inside = edge >= stats.lower && edge <= stats.upper;
        p.setBrush(inside ? QColor(60, 130, 200) : QColor(210, 90, 60));
        const double height = plot.height() * double(h.counts[i]) / double(most);
        p.drawRect(QRectF(plot.left() + barWidth * double(i) + 1, plot.bottom() - height, barWidth - 2, height));
    }
    // The two limits.
    p.setPen(QPen(QColor(176, 0, 32), 2, Qt::DashLine));
    for (const auto &[limit, label] : {std::pair{stats.lower, "Esni"}, {stats.upper, "Esns"}}) {
        const double x = xOf(limit);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.drawText(QPointF(x + 3, plot.top() + 12), QString::fromLatin1(label));
    }
    p.setPen(Qt::black);
    p.drawText(QPointF(area.left() + 4, area.top() + 16),
               QStringLiteral("%1  n = %2").arg(QString::fromLatin1(name)).arg(stats.count));
    p.drawText(QPointF(plot.left(), plot.bottom() + 16), QString::fromStdString(sheetNumber(h.from, 4)));
    const QString right = QString::fromStdString(sheetNumber(h.from + h.width * double(h.counts.size()), 4));
    p.drawText(QPointF(plot.right() - p.fontMetrics().horizontalAdvance(right), plot.bottom() + 16), right);
    p.drawText(QPointF(plot.left(), plot.bottom() + 32),
               QStringLiteral("mean %1   s %2   Cp %3   Cpk %4")
                   .arg(QString::fromStdString(sheetNumber(stats.mean, 4)),
                        stats.stddev() ? QString::fromStdString(sheetNumber(*stats.stddev(), 4)) : QStringLiteral("-"),
                        stats.cp() ? QString::fromStdString(sheetNumber(*stats.cp(), 2)) : QStringLiteral("-"),
                        stats.cpk() ? QString::fromStdString(sheetNumber(*stats.cpk(), 2)) : QStringLiteral("-")));
}

} // namespace

FileDone writeAllowanceHistogram(const QString &path, const QSize &size, const MeasuredSummary &summary)
{
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).suffix().toLower() != QLatin1String("png"))
        return FileDone::refused(QCoreApplication::translate("Picture", "无法写入“%1”：直方图只能是 .png。").arg(name));
    if (const FileDone target = checkOutputTarget(path); !target.ok())
        return FileDone::refused(QCoreApplication::translate("Picture", "无法写入“%1”：%2。").arg(name, target.problem()));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        QFont font = documentFont();
        font.setPixelSize(12);
        p.setFont(font);
        std::vector<std::size_t> shown;
        for (std::size_t i = 0; i < summary.byDimension.size(); ++i) {
            if (summary.byDimension[i].count > 0)
                shown.push_back(i);
        }
        const double panel = double(size.height()) / double(std::max<std::size_t>(1, shown.size()));
        for (std::size_t k = 0; k < shown.size(); ++k)
            paintPanel(p, QRectF(0, panel * double(k), size.width(), panel), measuredName(kMeasuredDimensions[shown[k]]),
                       summary.byDimension[shown[k]], summary.allowances[shown[k]]);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return saveWholeFile(path, bytes, QCoreApplication::translate("Picture", "无法写入“%1”：%2。%3"));
}

} // namespace geardim
