#pragma once

#include "engine/ChartSlice.h"

#include <QPoint>

#include <vector>

// Where the pie sits in the chart and where each slice's outline and seed
// fall, in whole pixels. This only computes positions; PieChart draws and
// fills them. Angles are single-precision radians, 0 pointing right and
// growing clockwise on the screen (y grows downward), and every position is
// rounded to the nearest pixel, a half to the even neighbour.
namespace cashvane {

inline constexpr float kPi = 3.1415927f;

struct PieGeometry {
    int pieWidth = 0; // the part of the chart the pie takes; the legend sits right of it
    int radius = 0;
    QPoint centre;
};

// For a chart of 300 × 220 at (0, 0): pieWidth 195, radius 90, centre (102, 117).
PieGeometry pieGeometry(int left, int top, int width, int height);

struct SliceAngles {
    float start = 0.0f;
    float end = 0.0f;
};

// The angles of the slices, each as wide as its share of the total value. A
// negative value counts as 0; when every value is 0 the pie has no slices.
std::vector<SliceAngles> sliceAngles(const ChartSlices& slices);

// round(v), a half to the even neighbour, as a pixel coordinate.
int toPixel(float v);

// The pixel at `distance` from the centre in the direction of `angle`.
QPoint pointAt(QPoint centre, float distance, float angle);

// The pixels of the slice's arc, one per step of one pixel along the circle.
std::vector<QPoint> arcPixels(const PieGeometry& pie, SliceAngles angles);

// Half way out along the middle angle: the point a slice's fill starts from.
QPoint seedPoint(const PieGeometry& pie, SliceAngles angles);

// The slice's wedge grown by `slack` pixels on every side: the pixels inside
// the circle of radius + slack that lie within the slice's angles or no
// farther than `slack` from one of its radius lines. A fill that reaches a
// pixel beyond that has leaked through its outline.
class SliceZone {
public:
    SliceZone(const PieGeometry& pie, SliceAngles angles, double slack);

    bool contains(QPoint pixel) const;

private:
    struct Direction {
        double x;
        double y;
    };

    bool withinAngles(double dx, double dy) const;
    double distanceToRay(double dx, double dy, Direction ray) const;

    QPoint centre_;
    double reach_;
    double slack_;
    Direction start_;
    Direction end_;
    double width_;
};

} // namespace cashvane
