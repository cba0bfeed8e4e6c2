#include "BVColorWheelRender.h"

#include <QColor>
#include <QConicalGradient>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
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

// Paints over `spare` when it is ours alone and fits: in a drag, first
// touching fresh memory for every render costs more than the painting.
QImage& Cleared(QImage& spare, const QSize& size)
{
    if (spare.size() != size || spare.format() != kFormat || !spare.isDetached()) {
        spare = QImage(); // free before allocating: no two at once
        spare = QImage(size, kFormat);
    } else {
        spare.setDevicePixelRatio(1); // a painter would scale by it
    }
    spare.fill(Qt::transparent);
    return spare;
}

// A corner layer: opaque `color` at `corner`, fading towards both other
// vertices; its alpha is the product of the two ramps.
void PaintCornerLayer(QImage& layer, const QSize& size, const QPainterPath& path, const QPointF& corner,
    const QPointF& toward1, const QPointF& toward2, const QColor& color)
{
    QPainter painter(&Cleared(layer, size));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Ramp(corner, toward1, color));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillPath(path, Ramp(corner, toward2, color));
}

// The triangle inscribed in the ellipse of half-axes a, b around centre:
// corner 0 at the hue's angle, then white and black a third of a turn apart.
QVector<QPointF> Corners(const QPointF& centre, double a, double b, int hue)
{
    const double theta = hue * M_PI / 180.0;
    QVector<QPointF> v(3);
    for (int j = 0; j < 3; ++j)
        v[j] = QPointF(centre.x() + std::cos(theta + j * kTwoThirdsPi) * a,
            centre.y() + std::sin(theta + j * kTwoThirdsPi) * b);
    return v;
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

QVector<QPointF> WheelGeometry::Triangle(int hue) const
{
    const QSize inner = Inner();
    const double a = inner.width() / 2.0;
    const double b = inner.height() / 2.0;
    return Corners(QPointF(wheel.left() + ringWidth + a, wheel.top() + ringWidth + b), a, b, hue);
}

QVector<QPointF> WheelGeometry::InnerTriangle(int hue) const
{
    const QSize inner = Inner();
    const double a = inner.width() / 2.0;
    const double b = inner.height() / 2.0;
    return Corners(QPointF(a, b), a, b, hue);
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
    double position = 1.0;
    for (int i = 0; i <= 20; ++i) {
        gradient.setColorAt(position, QColor::fromHsl((18 * i) % 360, 255, 128, 255));
        position = qMax(0.0, position - 0.05);
    }

    QImage image = TransparentImage(size * ratio);
    {
        QPainter painter(&image);
        painter.translate(rect.topLeft());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(geometry.Ring(), gradient);
    }
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
    const QSize inner = geometry.Inner();
    if (!inner.isValid() || inner.isEmpty()) {
        buffers = TriangleBuffers();
        return;
    }

    const QVector<QPointF> v = geometry.InnerTriangle(hue);
    const QPainterPath path = TrianglePath(v);
    PaintCornerLayer(buffers.black, inner, path, v[2], v[0], v[1], Qt::black);
    PaintCornerLayer(buffers.white, inner, path, v[1], v[0], v[2], Qt::white);

    const QColor pure = QColor::fromHsl(hue % 360, 255, 128, 255);
    QImage& image = Cleared(buffers.image, size * ratio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(
            geometry.wheel.left() + geometry.ringWidth, geometry.wheel.top() + geometry.ringWidth);
        painter.fillPath(path, Ramp(v[0], v[1], pure));
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillPath(path, Ramp(v[0], v[2], pure));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(0, 0, buffers.black);
        painter.drawImage(0, 0, buffers.white);
    }
    image.setDevicePixelRatio(ratio);
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
