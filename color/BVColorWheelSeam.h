#pragma once

// The project's tests and benchmarks look inside a wheel through this; it is
// not installed, and the library itself never calls it.

#include <QPixmap>
#include <QPointF>
#include <QVector>

class BVColorWheel;

namespace BVColorWheelTest {

// What a wheel holds now, read in place: the references point into the wheel
// and stay valid while it lives.
struct State {
    const QPixmap& ring;
    const QPixmap& triangle;
    const QVector<QPointF>& vertices;
    bool ringBusy;
    bool triangleBusy;
    // Renders started, counted from the watchers since the wheel was first
    // inspected (a render in flight then included), so the wheel keeps no count.
    int ringRenders;
    int triangleRenders;
};
State Inspect(const BVColorWheel& wheel);

} // namespace BVColorWheelTest
