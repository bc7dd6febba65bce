#pragma once

#include <optional>

#include <QWidget>

#include "core/sheet/drawing.h"

// The measuring set-up of the sheet last shown, drawn to scale and antialiased: the
// whole gear beside the measured tooth space. It scales with the window.
namespace geardim {

class MeasurementView : public QWidget {
    Q_OBJECT
public:
    explicit MeasurementView(QWidget *parent = nullptr);

    void setDrawing(std::optional<MeasurementDrawing> drawing);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<MeasurementDrawing> drawing_;
};

} // namespace geardim
