#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/gear/gear.h"
#include "core/common/text.h"

// The measuring set-up of a sheet drawn to scale, as geometry: the transverse section
// of the gear with its true involute flanks, the two gauges at their computed centres
// with their contact points, the span's anvils with theirs, and the dimension lines.
// Coordinates in the sheet's length unit, the gear's axis at the origin, y upwards;
// the measured tooth space is centred on the positive y axis.
namespace geardim {

struct Point {
    double x = 0, y = 0;
};

// How a piece is drawn.
enum class Stroke {
    Outline,    // the gear's teeth
    Thin,       // reference, base, tip and root circles
    Gauge,      // a ball or pin
    Contact,    // a contact point or the circle of the gauge's contacts
    Anvil,      // the span's measuring faces and the line between them
    Dimension,  // M, the radial dimension and W
    Warning,    // a contact outside the involute, as the sheet warns
    Ghost,      // the teeth at the upper and lower tooth-thickness limits
};

// The colour of a stroke, the same in every picture.
struct StrokeColour {
    int red, green, blue;
};
StrokeColour strokeColour(Stroke stroke);

// Widths are in the picture's units, a pixel at 96 dpi, whatever the scale of the model.
struct Polyline {
    std::vector<Point> points;
    Stroke stroke = Stroke::Outline;
    bool closed = false;
    double width = 1.2;
};

struct Circle {
    Point centre;
    double radius = 0;
    Stroke stroke = Stroke::Thin;
    double width = 0.6;
};

// Which panel of the picture a piece belongs to.
enum class Panel { Whole, Detail };

struct DimensionLine {
    Point from, to;
    std::string text;  // "M = 32.3108"
    Panel panel = Panel::Whole;
    // Where the text stands: beside the line's middle, or (with a leader line from the
    // middle) out where no outline crosses it.
    Point label;
    bool leader = false;
    double width = 1;          // the dimension line
    double leaderWidth = 0.6;  // the leader
};


struct Box {
    double left = 0, bottom = 0, right = 0, top = 0;
};

// A box of the model fitted into a rectangle of a picture (y downwards), uniformly scaled
// and centred: the one mapping of the screen, print, PNG and SVG pictures.
struct PanelMapping {
    double scale = 1, left = 0, bottom = 0, x0 = 0, y0 = 0;
    static PanelMapping fit(const Box &box, double x, double y, double width, double height);
    Point operator()(Point p) const { return {x0 + (p.x - left) * scale, y0 - (p.y - bottom) * scale}; }
};

// The runs of a polyline that a panel of a picture shows, in the picture's coordinates,
// at the detail its scale can show: a point closer than minimum (picture units) to the last
// one kept is left out, and the stretches outside the viewport (the panel's rectangle in the
// picture, its smaller y as bottom) are cut out, each run ending and starting at the edge's nearest points. A large
// gear draws as few points as the picture has room for, a small one every point.
std::vector<std::vector<Point>> visibleRuns(const Polyline &line, const PanelMapping &map, const Box &viewport,
                                            double minimum = 0.5);

// The radius of a contact point's dot, in the picture's units.
inline constexpr double kContactDotRadius = 2.6;

struct MeasurementDrawing {
    Polyline outline;                  // every tooth, flank by flank, closed
    std::vector<Polyline> mates;       // other parts' outlines drawn with it (a mating gear), in both panels
    std::vector<Polyline> ghosts;      // the teeth beside the measured space at the max and min thickness
    std::vector<Circle> circles;       // reference, base, tip, root and the gauges' contact circle
    std::vector<Circle> gauges;        // the two balls or pins in this section
    std::vector<Point> gaugeContacts;  // where the first gauge touches its two flanks
    std::vector<Polyline> anvils;      // the span's two measuring faces
    std::vector<Point> spanContacts;   // where they touch the flanks
    Polyline spanLine;                 // the measuring line, tangent to the base circle
    std::vector<DimensionLine> dimensions;
    double gaugeRadius = 0;            // the gauge's radius in this section
    Box whole;                         // what the panel of the whole gear shows
    Box detail;                        // the panel of the measured tooth space and its span
    std::vector<const char *> captionParts; // the caption's pieces, each a text to translate
};

// The colours of the contact points' dots, for the painted picture and the SVG alike: a
// gauge's in the colour of its contact circle, the span's red like a gauge's contact; both
// orange where the gauge or the span is warned of.
Stroke gaugeContactStroke(const MeasurementDrawing &d);
Stroke spanContactStroke(const MeasurementDrawing &d);

// The root of a part whose teeth do not end in the gear's generated root: a spline's flat or
// fillet root between its form circle (where the involute ends) and its root circle (a shaft's
// minor diameter, a hub's major diameter).
struct ToothRoot {
    enum Shape { Flat, Fillet } shape = Flat;
    double rootDiameter = 0;
    double formDiameter = 0;        // 0: the involute reaches to a third of a module from the root
    double cornerRadius = 0;        // a flat root's corners
    std::optional<double> rimDiameter; // a hub: the outside of the ring that carries its teeth
};

// The drawing of a computed sheet; the picture follows the nominal values. With a root
// form, the spaces end in that root instead of the gear's, and a hub is drawn with its ring.
MeasurementDrawing measurementDrawing(const SheetResult &sheet, const std::optional<ToothRoot> &root = std::nullopt);

// A caption broken into lines no wider than width for a font of fontSize pixels,
// estimated from the faces' proportions (Latin text breaks at spaces, Chinese anywhere).
std::vector<std::string> wrappedCaption(const std::string &text, double width, double fontSize);

// The drawing as an SVG document of width × height pixels: the whole gear beside the
// measured tooth space, the caption beneath, in the colours of the sheet's picture.
std::string measurementSvg(const MeasurementDrawing &drawing, int width, int height, const TextTranslator &tr = {});

} // namespace geardim
