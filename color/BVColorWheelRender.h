#pragma once

// The color wheel's geometry and image makers. They touch no widget state and
// may run in any thread. The ...Image variants paint into a QImage and are the
// ones the wheel hands to the thread pool: a QPixmap must not be created off
// the GUI thread, nor after the application object is gone. The QPixmap
// functions wrap them for callers on the GUI thread.

#include <QImage>
#include <QMargins>
#include <QPainterPath>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QVector>

/// The square that holds the ring: the largest square inside the margins,
/// centred there, and never left of the left margin nor above the top margin.
/// Scale is 1 for widget coordinates, the device pixel ratio for device pixels.
QRect WheelRect(const QSize& size, int scale, const QMargins& margins);

/// Where the ring, the hue marker and the triangle lie for one size, marker
/// size, scale and margins. Painting, picking, marker placement and the renders
/// all ask it, so they cannot disagree; a plain value, safe to copy into a pool job.
struct WheelGeometry {
    WheelGeometry(const QSize& size, int markerSize, int scale, const QMargins& margins);

    /// The ring's outline relative to the wheel square's top-left.
    QPainterPath Ring() const;
    /// The ring where it lies, for hit tests.
    QPainterPath RingArea() const { return Ring().translated(wheel.topLeft()); }
    /// A square well inside the ring's hole, where the ring image is clear; null when there is none.
    QRect RingHole() const;
    /// The hue marker's centre runs round the ellipse inscribed here: the middle of the ring.
    QRect MarkerTrack() const;
    /// The hue at `pos`: its angle around the wheel's centre, clockwise from 3 o'clock.
    int HueAt(const QPoint& pos) const;
    /// The square inside the ring, which holds the triangle.
    QRect Inner() const { return wheel.adjusted(ringWidth, ringWidth, -ringWidth, -ringWidth); }
    /// The corners (hue, white, black) for `hue`, where they lie.
    QVector<QPointF> Triangle(int hue) const { return Triangle(hue, Inner().topLeft()); }
    /// The same corners with the inner square's top-left at `origin`.
    QVector<QPointF> Triangle(int hue, const QPoint& origin) const;
    /// Where a triangle through `corners` can have pixels, antialiasing and
    /// filtering at a fractional scale included.
    static QRect TriangleBounds(const QVector<QPointF>& corners);

    QRect wheel;
    int ringWidth;
};

/// The closed outline through the corners, in their order.
QPainterPath TrianglePath(const QVector<QPointF>& vertices);

/// Hue ring, `markerSize` logical pixels wide, at size × ratio device pixels
/// tagged with the ratio. Null when the square inside the margins is empty,
/// and when size × ratio exceeds 8192 × 8192 device pixels.
QImage RenderRingImage(const QSize& size, int markerSize, int ratio, const QMargins& margins);
QPixmap RenderRing(const QSize& size, int markerSize, int ratio, const QMargins& margins);

/// HSL triangle inscribed in the ring's inner edge: corners the pure hue,
/// white and black. Null when the ring leaves no room inside, and when
/// size × ratio exceeds 8192 × 8192 device pixels.
QImage RenderTriangleImage(const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins);
QPixmap RenderTriangle(const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins);

/// The images a triangle render paints: the result and its two corner layers.
struct TriangleBuffers {
    QImage image;
    QImage black;
    QImage white;
};

/// RenderTriangleImage into `buffers`, which come in as spares: each one is
/// painted over when nobody else shares it and its size and format fit, and
/// replaced otherwise. Afterwards `image` is the result (null when empty)
/// and the layers are the ones used, ready to be handed to the next render.
/// A name of its own keeps &RenderTriangleImage unambiguous.
void RenderTriangleInto(
    TriangleBuffers& buffers, const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins);

/// A black ring with a white ring inside, size × ratio pixels, ratio 1.
QImage MakeMarkerIconImage(const QSize& size, int ratio);
QPixmap MakeMarkerIcon(const QSize& size, int ratio);

/// Lightness (x) and saturation (y), 0 to 255, of a point against the
/// triangle (hue, white, black); (-1, -1) unless there are three vertices.
QPoint PickColor(const QVector<QPointF>& vertices, const QPoint& pos);
