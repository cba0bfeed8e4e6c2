#include "BVColorWheelRender.h"

#include "BVQtCompat.h"
#include "BVRenderParts.h"
#include "HueStops.h"

#include <QColor>
#include <QConicalGradient>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QVector2D>

#include <cmath>

namespace {

constexpr double kTwoThirdsPi = 2.0943951023931953;

// Premultiplied ARGB is what a transparent-filled raster QPixmap holds, so the
// QImage path gives the very pixels the QPixmap path would.
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// A wheel image is never larger than this many device pixels (256 MB): a
// host that sizes a wheel absurdly gets no image rather than exhausting memory.
constexpr qint64 kMaxRenderPixels = qint64(8192) * 8192;

bool TooLargeToRender(const QSize& size, int ratio)
{
    return qint64(size.width()) * ratio * qint64(size.height()) * ratio > kMaxRenderPixels;
}

QImage TransparentImage(const QSize& size)
{
    QImage image(size, kFormat);
    image.fill(Qt::transparent);
    return image;
}

QLinearGradient Ramp(const QPointF& from, const QPointF& to, const QColor& color)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, color);
    gradient.setColorAt(1, Qt::transparent);
    return gradient;
}

// Makes `spare` a buffer of `size` to paint over, reusing it when it is ours
// alone and fits: in a drag, first touching fresh memory for every render
// costs more than the painting. The contents are left to the painter.
uchar* Prepared(QImage& spare, const QSize& size)
{
    if (spare.size() != size || spare.format() != kFormat || !spare.isDetached()) {
        spare = QImage(); // free before allocating: no two at once
        spare = QImage(size, kFormat);
    }
    spare.setDevicePixelRatio(1); // a painter would scale by it
    return spare.bits();
}

// Rows [top, bottom) and columns from `left` of `width` of a buffer, as an
// image of its own that paints into the buffer: each thread paints through
// views of its own, as one image takes only one painter at a time.
QImage View(uchar* bits, qsizetype bytesPerLine, int left, int top, int width, int bottom)
{
    return QImage(bits + top * bytesPerLine + left * 4, width, bottom - top, bytesPerLine, kFormat);
}

// One corner of the triangle: opaque `color` at `corner`, fading towards
// both other corners; its alpha is the product of the two ramps. The
// triangle's coordinates are moved by `offset` on the way to `target`.
void PaintCorner(QImage& target, const QPoint& offset, const QPainterPath& path, const QPointF& corner,
    const QPointF& toward1, const QPointF& toward2, const QColor& color)
{
    target.fill(Qt::transparent);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(offset);
    painter.setCompositionMode(BVQtCompat::kOntoClear);
    painter.fillPath(path, Ramp(corner, toward1, color));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillPath(path, Ramp(corner, toward2, color));
}

} // namespace

QRect WheelRect(const QSize& size, int scale, const QMargins& margins)
{
    const int left = margins.left() * scale;
    const int top = margins.top() * scale;
    const QRect area = QRect(QPoint(0, 0), size * scale)
                           .adjusted(left, top, -margins.right() * scale, -margins.bottom() * scale);
    const int side = area.width() > area.height() ? area.height() : area.width();
    const QPoint centre = area.center();
    QRect square(centre.x() - side / 2, centre.y() - side / 2, side, side);
    // The integer centre lies left of (above) the middle of an even span, so
    // the square can start one pixel inside the margin.
    if (square.left() < left)
        square.moveLeft(left);
    if (square.top() < top)
        square.moveTop(top);
    return square;
}

WheelGeometry::WheelGeometry(const QSize& size, int markerSize, int scale, const QMargins& margins)
    : wheel(WheelRect(size, scale, margins))
    , ringWidth(markerSize * scale)
{ }

QPainterPath WheelGeometry::Ring() const
{
    const QRect local(0, 0, wheel.width(), wheel.height());
    QPainterPath outer;
    outer.addEllipse(local);
    QPainterPath inner;
    inner.addEllipse(local.adjusted(ringWidth, ringWidth, -ringWidth, -ringWidth));
    return outer.subtracted(inner);
}

QRect WheelGeometry::RingHole() const
{
    // Two pixels inside the hole keep clear of the ring's antialiased edge
    // and of filtering at a fractional scale.
    const double radius = wheel.width() / 2.0 - ringWidth;
    const int half = int(radius / M_SQRT2) - 2;
    if (half <= 0)
        return QRect();
    const QPoint centre = wheel.center();
    return QRect(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
}

QRect WheelGeometry::MarkerTrack() const
{
    const int inset = ringWidth / 2;
    return wheel.adjusted(inset, inset, -inset, -inset);
}

int WheelGeometry::HueAt(const QPoint& pos) const
{
    // QLineF::angle turns counter-clockwise on screen; hues turn clockwise.
    const double angle = QLineF(QPointF(wheel.center()), QPointF(pos)).angle();
    return (360 - int(angle)) % 360;
}

QVector<QPointF> WheelGeometry::Triangle(int hue, const QPoint& origin) const
{
    // Inscribed in the ring's inner edge: corner 0 at the hue's angle, then
    // white and black a third of a turn apart each.
    const QRect inner = Inner();
    const double a = inner.width() / 2.0;
    const double b = inner.height() / 2.0;
    const double cx = origin.x() + a;
    const double cy = origin.y() + b;
    const double theta = hue * M_PI / 180.0;
    QVector<QPointF> v(3);
    for (int j = 0; j < 3; ++j)
        v[j] = QPointF(
            cx + std::cos(theta + j * kTwoThirdsPi) * a, cy + std::sin(theta + j * kTwoThirdsPi) * b);
    return v;
}

QRect WheelGeometry::TriangleBounds(const QVector<QPointF>& corners)
{
    return QPolygonF(corners).boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
}

QPainterPath TrianglePath(const QVector<QPointF>& vertices)
{
    QPainterPath path;
    path.moveTo(vertices[0]);
    path.lineTo(vertices[1]);
    path.lineTo(vertices[2]);
    path.lineTo(vertices[0]);
    return path;
}

QImage RenderRingImage(const QSize& size, int markerSize, int ratio, const QMargins& margins)
{
    if (TooLargeToRender(size, ratio))
        return QImage();
    const WheelGeometry geometry(size, markerSize, ratio, margins);
    const QRect& rect = geometry.wheel;
    if (!rect.isValid() || rect.isEmpty())
        return QImage();

    // Positions run counter-clockwise, so the hues run clockwise on screen;
    // red at both ends leaves no seam at 3 o'clock.
    QConicalGradient gradient(rect.width() / 2.0, rect.height() / 2.0, 0);
    gradient.setStops(HueStops(255, 128, true));

    // Painted on one thread: the ring renders only when the size changes, and
    // sharing it out over the pool measured no faster (bench/README.md).
    QImage image = TransparentImage(size * ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.setCompositionMode(BVQtCompat::kOntoClear);
    painter.fillPath(geometry.Ring(), gradient);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap RenderRing(const QSize& size, int markerSize, int ratio, const QMargins& margins)
{
    return QPixmap::fromImage(RenderRingImage(size, markerSize, ratio, margins));
}

QImage RenderTriangleImage(const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins)
{
    TriangleBuffers buffers;
    RenderTriangleInto(buffers, size, markerSize, hue, ratio, margins);
    return std::move(buffers.image);
}

void RenderTriangleInto(
    TriangleBuffers& buffers, const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins)
{
    if (TooLargeToRender(size, ratio)) {
        buffers = TriangleBuffers();
        return;
    }
    const WheelGeometry geometry(size, markerSize, ratio, margins);
    const QRect inner = geometry.Inner();
    if (inner.isEmpty()) {
        buffers = TriangleBuffers();
        return;
    }

    // The pictures are painted relative to the inner square.
    const QVector<QPointF> v = geometry.Triangle(hue, QPoint(0, 0));
    const QPoint offset = inner.topLeft();
    const QColor pure = QColor::fromHsl(hue % 360, 255, 128, 255);
    // The layers count only around the triangle: beyond it they would be
    // clear, and drawing clear pixels changes nothing.
    const QRect shape = WheelGeometry::TriangleBounds(v) & QRect(QPoint(0, 0), inner.size());

    uchar* const imageBits = Prepared(buffers.image, size * ratio);
    uchar* const blackBits = Prepared(buffers.black, inner.size());
    uchar* const whiteBits = Prepared(buffers.white, inner.size());
    const qsizetype imageLine = buffers.image.bytesPerLine();
    const qsizetype layerLine = buffers.black.bytesPerLine();
    const int width = buffers.image.width();
    const int height = buffers.image.height();
    // The image with the hue's corner, then the black and the white corner's layers.
    const auto paintPicture = [&](int picture) {
        // A path of its own: Qt caches things in a path it paints, unguarded.
        const QPainterPath path = TrianglePath(v);
        if (picture == 0) {
            QImage image = View(imageBits, imageLine, 0, 0, width, height);
            PaintCorner(image, offset, path, v[0], v[1], v[2], pure);
        } else if (!shape.isEmpty()) { // a painter on an empty image warns
            QImage layer = View(picture == 1 ? blackBits : whiteBits, layerLine, shape.left(), shape.top(),
                shape.width(), shape.bottom() + 1);
            if (picture == 1)
                PaintCorner(layer, -shape.topLeft(), path, v[2], v[0], v[1], Qt::black);
            else
                PaintCorner(layer, -shape.topLeft(), path, v[1], v[0], v[2], Qt::white);
        }
    };
    // The pictures are independent, and sharing them out is what lets a drag
    // on two cores deliver more images (bench/README.md).
    BVRenderParts::Share(3, paintPicture);
    // Then the layers over the image, on this thread: a plain blend, a few
    // percent of the render, that measured no faster in bands.
    if (!shape.isEmpty()) {
        QImage image = View(imageBits, imageLine, 0, 0, width, height);
        QPainter painter(&image);
        const QPoint origin = offset + shape.topLeft();
        const int bottom = shape.bottom() + 1;
        painter.drawImage(
            origin, View(blackBits, layerLine, shape.left(), shape.top(), shape.width(), bottom));
        painter.drawImage(
            origin, View(whiteBits, layerLine, shape.left(), shape.top(), shape.width(), bottom));
    }
    buffers.image.setDevicePixelRatio(ratio);
}

QPixmap RenderTriangle(const QSize& size, int markerSize, int hue, int ratio, const QMargins& margins)
{
    return QPixmap::fromImage(RenderTriangleImage(size, markerSize, hue, ratio, margins));
}

QImage MakeMarkerIconImage(const QSize& size, int ratio)
{
    const QSize pixels = size * ratio;
    QImage image = TransparentImage(pixels);
    // Insets and pens are device pixels on purpose: the rings stay thin at
    // any ratio.
    const QRect frame(QPoint(0, 0), pixels);
    QPainter painter(&image);
    painter.setPen(QPen(QBrush(Qt::black), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawEllipse(frame.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(QBrush(Qt::white), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawEllipse(frame.adjusted(4, 4, -4, -4));
    return image;
}

QPixmap MakeMarkerIcon(const QSize& size, int ratio)
{
    return QPixmap::fromImage(MakeMarkerIconImage(size, ratio));
}

QPoint PickColor(const QVector<QPointF>& vertices, const QPoint& pos)
{
    if (vertices.size() != 3)
        return QPoint(-1, -1);

    const QPointF p(pos);
    const QPointF& hue = vertices[0];
    const QPointF& white = vertices[1];
    const QPointF& black = vertices[2];

    const QLineF axis(black, white);
    QLineF perpendicular = axis.normalVector();
    perpendicular.translate(p - perpendicular.p1());
    QPointF foot(0, 0);
    axis.intersects(perpendicular, &foot);

    const QVector2D d(white - black);
    double t = 0;
    if (qAbs(d.x()) > qAbs(d.y()))
        t = (foot.x() - black.x()) / d.x();
    else if (qAbs(d.y()) > qAbs(d.x()))
        t = (foot.y() - black.y()) / d.y();
    else if (d.x() != 0)
        t = (foot.x() - black.x()) / d.x();

    double s = 0;
    if (t >= 1) {
        t = 1;
    } else if (t <= 0) {
        t = 0;
    } else {
        // The colored edge switches at the middle of the axis, as the marker
        // placement does.
        const QLineF edge = t < 0.5 ? QLineF(black, hue) : QLineF(hue, white);
        QLineF across = axis.normalVector();
        across.translate(foot - across.p1());
        QPointF onEdge(0, 0);
        across.intersects(edge, &onEdge);
        if (qAbs(onEdge.x() - foot.x()) > 1e-12 || qAbs(onEdge.y() - foot.y()) > 1e-12) {
            const QRect between = QRect(onEdge.toPoint(), foot.toPoint()).normalized();
            const double toFoot = QLineF(p, foot).length();
            if (between.contains(pos))
                s = toFoot / QLineF(onEdge, foot).length();
            else
                s = QLineF(p, onEdge).length() <= toFoot ? 1 : 0;
        }
    }

    // Clamped before the conversion: near a corner the distance to the edge is
    // tiny and s can be far beyond 1.
    const int lightness = int(qBound(0.0, t * 255 + 0.5, 255.0));
    const int saturation = int(qBound(0.0, s * 255 + 0.5, 255.0));
    return QPoint(lightness, saturation);
}
