#include "gui/painting/measurementview.h"

#include <QPainter>

#include "gui/painting/measurementpicture.h"

namespace geardim {

MeasurementView::MeasurementView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("measurementView"));
    setMinimumSize(320, 200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void MeasurementView::setSheet(std::optional<SheetResult> sheet)
{
    sheet_ = std::move(sheet);
    drawing_.reset();
    update();
}

void MeasurementView::setDrawing(std::optional<MeasurementDrawing> drawing)
{
    sheet_.reset();
    drawing_ = std::move(drawing);
    update();
}

void MeasurementView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (sheet_ && !drawing_)
        drawing_ = measurementDrawing(*sheet_);
    if (!drawing_) {
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter, tr("按“计  算”后显示测量图"));
        return;
    }
    paintMeasurement(painter, QRectF(rect()).adjusted(6, 6, -6, -6), *drawing_);
}

} // namespace geardim
