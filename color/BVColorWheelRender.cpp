#include "BVColorWheelRender.h"

#include "BVHandOver.h"
#include "HueStops.h"

#include <QColor>
#include <QConicalGradient>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QThread>
#include <QVector2D>

#include <atomic>
#include <cmath>
#include <memory>
#include <vector>

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

// How a first fill goes onto clear pixels. On Qt 5, Source leaves there the
// very pixels SourceOver would, without reading what was there: a render is
// a tenth faster. Qt 6 rounds some edge pixels of a Source fill one level
// apart, so it keeps SourceOver.
constexpr QPainter::CompositionMode kOntoClear = QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    ? QPainter::CompositionMode_Source
    : QPainter::CompositionMode_SourceOver;

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

// Below this many rows a band costs more to hand out than it saves.
constexpr int kMinBandRows = 128;

// How many threads may paint one image's parts at once: the global pool's.
// Qt 6 splits a large fill over the global pool by itself, except on the
// pool's own threads, and the split fill rounds a few pixels a level apart
// from a whole one. So on Qt 6 parts are shared out only from a pool thread,
// where every part is painted whole; elsewhere this thread paints them all.
int PaintingThreads()
{
    const QThreadPool* pool = QThreadPool::globalInstance();
    if (!pool)
        return 1;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (!pool->contains(QThread::currentThread()))
        return 1;
#endif
    return qMax(1, pool->maxThreadCount());
}

// How many bands `rows` rows are painted in: one per painting thread, so
// where one thread paints, the image is painted whole, as before.
int BandCount(int rows)
{
    return qBound(1, rows / kMinBandRows, PaintingThreads());
}

// Rows [top, bottom) of band `index` of `count` over `rows` rows.
struct Band {
    Band(int rows, int index, int count)
        : top(int(qint64(rows) * index / count))
        , bottom(int(qint64(rows) * (index + 1) / count))
    { }
    int top;
    int bottom;
};

// Calls paint(i) once for every part i below `count` (a band, or a picture)
// and returns when all are painted. This thread takes parts one after
// another, and so do helpers started in the global pool; a helper that gets
// no thread before the parts run out finds none left, is not waited for, and
// never touches `paint`. So the job waits on nothing the pool may never run,
// even with every other thread of the pool busy.
template <typename Paint> void PaintParts(int count, const Paint& paint)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int helpers = count > 1 ? qMin(count, PaintingThreads()) - 1 : 0;
    if (helpers <= 0) {
        for (int i = 0; i < count; ++i)
            paint(i);
        return;
    }
    // Outlives this call: a helper that starts late still reads it.
    struct Shared {
        explicit Shared(int helpers)
            : entered(new std::atomic<bool>[size_t(helpers)])
        {
            for (int i = 0; i < helpers; ++i)
                entered[i].store(false);
        }
        std::atomic<int> next { 0 };
        std::unique_ptr<std::atomic<bool>[]> entered;
    };
    const auto shared = std::make_shared<Shared>(helpers);
    const auto takeParts = [&shared = *shared, count, &paint] {
        for (int i = shared.next.fetch_add(1); i < count; i = shared.next.fetch_add(1))
            paint(i);
    };
    std::vector<QFuture<BVHandOver<bool>>> futures;
    futures.reserve(size_t(helpers));
    for (int h = 0; h < helpers; ++h) {
        futures.push_back(BVRunHandedOver(pool, [shared, h, takeParts] {
            // Announced before taking a part: a helper that takes one is waited for.
            shared->entered[h].store(true);
            takeParts();
            return true;
        }));
    }
    takeParts();
    // Every part is taken; a helper not yet in will take none.
    for (int h = 0; h < helpers; ++h) {
        if (shared->entered[h].load())
            futures[size_t(h)].result().Value();
    }
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
// image of their own that paints into the buffer. Each band paints through
// views of its own: one image takes only one painter at a time.
QImage View(uchar* bits, qsizetype bytesPerLine, int left, int top, int width, int bottom)
{
    return QImage(bits + top * bytesPerLine + left * 4, width, bottom - top, bytesPerLine, kFormat);
}

// A painter on `view` that paints only its rows from `top` on. The view
// never cuts the outline at its top: Qt then rasterizes the cut outline into
// other spans, and a gradient over those comes out a level off here and
// there. It ends with the band, so the rows below are skipped; the rows
// above are rasterized again by every band.
void BeginBand(QPainter& painter, QImage& view, int top)
{
    painter.begin(&view);
    painter.setClipRect(QRect(0, top, view.width(), view.height() - top));
    painter.setRenderHint(QPainter::Antialiasing);
}

// A corner layer: opaque `color` at `corner`, fading towards both other
// vertices; its alpha is the product of the two ramps. `origin` is where
// the layer's top-left lies in the triangle's coordinates.
void PaintCornerLayer(QImage& layer, const QPoint& origin, const QPainterPath& path, const QPointF& corner,
    const QPointF& toward1, const QPointF& toward2, const QColor& color)
{
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-origin);
    painter.setCompositionMode(kOntoClear);
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
    gradient.setStops(HueStops(255, 128, true));

    QImage image(size * ratio, kFormat);
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const QPainterPath ring = geometry.Ring();
    const int width = image.width();
    const int rows = image.height();
    const int bands = BandCount(rows);
    PaintParts(bands, [&](int index) {
        const Band band(rows, index, bands);
        View(bits, bytesPerLine, 0, band.top, width, band.bottom).fill(Qt::transparent);
        QImage view = View(bits, bytesPerLine, 0, 0, width, band.bottom);
        QPainter painter;
        BeginBand(painter, view, band.top);
        painter.translate(rect.topLeft());
        painter.setCompositionMode(kOntoClear);
        // A path of its own: Qt caches things in a path it paints, unguarded.
        QPainterPath own;
        own.addPath(ring);
        painter.fillPath(own, gradient);
    });
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
    const QColor pure = QColor::fromHsl(hue % 360, 255, 128, 255);
    // The triangle's corner in the image.
    const QPoint offset(
        geometry.wheel.left() + geometry.ringWidth, geometry.wheel.top() + geometry.ringWidth);
    // The layers count only around the triangle: beyond it they would be
    // clear, and drawing clear pixels changes nothing.
    const QRect shape
        = TrianglePath(v).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & QRect(QPoint(0, 0), inner);

    uchar* const imageBits = Prepared(buffers.image, size * ratio);
    uchar* const blackBits = Prepared(buffers.black, inner);
    uchar* const whiteBits = Prepared(buffers.white, inner);
    const qsizetype imageLine = buffers.image.bytesPerLine();
    const qsizetype layerLine = buffers.black.bytesPerLine();
    const int width = buffers.image.width();
    const int height = buffers.image.height();
    // First the three pictures, one thread each. Painted in bands, every band
    // rasterizes the outline above it again; measured, that cost more than
    // the bands saved, also with only one picture split in two.
    const auto paintPicture = [&](int picture) {
        // A path of its own: Qt caches things in a path it paints, unguarded.
        const QPainterPath path = TrianglePath(v);
        if (picture != 0) {
            if (shape.isEmpty())
                return; // a painter on an empty image warns
            QImage layer = View(picture == 1 ? blackBits : whiteBits, layerLine, shape.left(), shape.top(),
                shape.width(), shape.bottom() + 1);
            if (picture == 1)
                PaintCornerLayer(layer, shape.topLeft(), path, v[2], v[0], v[1], Qt::black);
            else
                PaintCornerLayer(layer, shape.topLeft(), path, v[1], v[0], v[2], Qt::white);
            return;
        }
        QImage image = View(imageBits, imageLine, 0, 0, width, height);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(offset);
        painter.setCompositionMode(kOntoClear);
        painter.fillPath(path, Ramp(v[0], v[1], pure));
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillPath(path, Ramp(v[0], v[2], pure));
    };
    PaintParts(3, paintPicture);
    // Then the layers over the image, in bands: drawing an image is a plain
    // blend, with no outline to rasterize.
    const int rows = shape.height();
    const int bands = rows > 0 ? BandCount(rows) : 0;
    PaintParts(bands, [&](int index) {
        const Band band(rows, index, bands);
        const int top = shape.top() + band.top;
        const int bottom = shape.top() + band.bottom;
        QImage image = View(imageBits, imageLine, 0, offset.y() + top, width, offset.y() + bottom);
        QPainter painter(&image);
        const QPoint origin(offset.x() + shape.left(), 0);
        painter.drawImage(origin, View(blackBits, layerLine, shape.left(), top, shape.width(), bottom));
        painter.drawImage(origin, View(whiteBits, layerLine, shape.left(), top, shape.width(), bottom));
    });
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
