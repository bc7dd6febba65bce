#pragma once

#include <optional>

#include <QWidget>

#include "core/drawing/drawing.h"

// The measuring set-up of the sheet last shown, drawn to scale and antialiased: the
// whole gear beside the measured tooth space. It scales with the window.
namespace geardim {

class MeasurementView : public QWidget {
    Q_OBJECT
public:
    explicit MeasurementView(QWidget *parent = nullptr);

    // The sheet to draw, or none. The drawing is made once per sheet, on the first paint:
    // a window whose picture tab is not shown never makes it.
    void setSheet(std::optional<SheetResult> sheet);
    // A drawing made already (a spline's, with its own teeth), or none.
    void setDrawing(std::optional<MeasurementDrawing> drawing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<SheetResult> sheet_;
    std::optional<MeasurementDrawing> drawing_; // of sheet_, made when first painted
};

} // namespace geardim
