#include "BVColorWheel.h"

#include "BVColorWheelRender.h"
#include "BVHandOver.h"
#include "BVQtCompat.h"

#include <QFutureWatcher>
#include <QIcon>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTimer>
#include <QToolButton>
#include <QVector2D>

#include <cmath>
#include <memory>

namespace BVColorWheelTest {
std::atomic<int> g_ringRenders { 0 };
std::atomic<int> g_triangleRenders { 0 };
} // namespace BVColorWheelTest

namespace {

constexpr double kTwoThirdsPi = 2.0943951023931953;

// How long an idle wheel keeps its spare triangle buffers.
constexpr int kSpareLifeMs = 2000;

// The hit area is fixed to the button's nominal size, whatever the style
// makes of the button itself.
bool MarkerContains(const QWidget* marker, const QPoint& pos)
{
    QPainterPath area;
    area.addEllipse(QRectF(0, 0, 22, 22).adjusted(2, 2, -2, -2));
    return area.contains(QPointF(marker->mapFromParent(pos)));
}

} // namespace

class BVColorWheelPrivate {
public:
    explicit BVColorWheelPrivate(BVColorWheel* wheel)
        : m_pWheel(wheel)
    { }

    static const BVColorWheelPrivate* Get(const BVColorWheel& wheel) { return wheel.d; }

    void StartRingRender();
    void StartTriangleRender();
    void OnRingRendered();
    void OnTriangleRendered();
    void UpdateSize(const QSize& size);
    void PlaceAngleMarker();
    void UpdateTriangle();

    int HueAt(const QPoint& pos) const;
    QPainterPath RingPath() const;
    QPainterPath TrianglePath() const;
    void StartDrag(QToolButton* marker)
    {
        m_dragging = true;
        m_pDragTarget = marker;
    }

    BVColorWheel* const m_pWheel;
    QPixmap m_ringPixmap;
    QPixmap m_trianglePixmap;
    int m_hue = 0;
    int m_saturation = 0;
    int m_lightness = 0;
    const int m_markerSize = 22;
    QSize m_size;
    QMargins m_margins;
    QToolButton* m_pAngleMarker = nullptr;
    QToolButton* m_pColorMarker = nullptr;
    QVector<QPointF> m_triangle;
    bool m_ringBusy = false;
    bool m_ringPending = false;
    bool m_triangleBusy = false;
    bool m_trianglePending = false;
    bool m_dragging = false;
    QToolButton* m_pDragTarget = nullptr;
    // The pool returns images: a QPixmap is made only here, on the GUI thread.
    QFutureWatcher<BVHandOver<QImage>>* m_pRingWatcher = nullptr;
    QFutureWatcher<BVHandOver<std::shared_ptr<TriangleBuffers>>>* m_pTriangleWatcher = nullptr;
    // Buffers moved into the next triangle render, so that a drag repaints
    // the same memory rather than touching fresh pages for every image. They
    // pass between threads only as the job's argument and result.
    TriangleBuffers m_spares;
    // Shares m_trianglePixmap's buffer, which becomes a spare once replaced.
    QImage m_triangleImage;
    QTimer* m_pSpareTimer = nullptr;
};

void BVColorWheelPrivate::StartRingRender()
{
    if (m_ringBusy) {
        m_ringPending = true;
        return;
    }
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(m_pWheel);
    m_pRingWatcher->setFuture(BVRunHandedOver(
        QThreadPool::globalInstance(), [size = m_size, marker = m_markerSize, ratio, margins = m_margins] {
            return RenderRingImage(size, marker, ratio, margins);
        }));
    ++BVColorWheelTest::g_ringRenders;
    m_ringBusy = true;
    m_ringPending = false;
}

void BVColorWheelPrivate::StartTriangleRender()
{
    if (m_triangleBusy) {
        m_trianglePending = true;
        return;
    }
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(m_pWheel);
    auto buffers = std::make_shared<TriangleBuffers>(std::move(m_spares));
    m_spares = TriangleBuffers();
    m_pTriangleWatcher->setFuture(BVRunHandedOver(QThreadPool::globalInstance(),
        [buffers, size = m_size, marker = m_markerSize, hue = m_hue, ratio, margins = m_margins] {
            RenderTriangleInto(*buffers, size, marker, hue, ratio, margins);
            return buffers;
        }));
    ++BVColorWheelTest::g_triangleRenders;
    m_triangleBusy = true;
    m_trianglePending = false;
}

void BVColorWheelPrivate::OnRingRendered()
{
    // A stale result is still installed; the follow-up replaces it.
    m_ringBusy = false;
    m_ringPixmap = QPixmap::fromImage(std::move(m_pRingWatcher->result().Value()));
    if (m_ringPending)
        StartRingRender();
    m_pAngleMarker->setVisible(!m_ringPixmap.isNull());
    PlaceAngleMarker();
    m_pWheel->update();
}

void BVColorWheelPrivate::OnTriangleRendered()
{
    m_triangleBusy = false;
    const std::shared_ptr<TriangleBuffers> result = std::move(m_pTriangleWatcher->result().Value());
    QImage outgoing = std::move(m_triangleImage);
    m_triangleImage = std::move(result->image);
    // Same format: the pixmap shares the buffer, no copy on this thread.
    m_trianglePixmap = QPixmap::fromImage(m_triangleImage);
    // Someone may still hold a copy of the old pixmap: then it is not ours.
    m_spares.image = outgoing.isDetached() ? std::move(outgoing) : QImage();
    m_spares.black = std::move(result->black);
    m_spares.white = std::move(result->white);
    m_pSpareTimer->start();
    if (m_trianglePending)
        StartTriangleRender();
    m_pColorMarker->setVisible(!m_trianglePixmap.isNull());
    UpdateTriangle();
    m_pWheel->update();
}

void BVColorWheelPrivate::UpdateSize(const QSize& size)
{
    m_size = size;
    StartRingRender();
    StartTriangleRender();
}

void BVColorWheelPrivate::PlaceAngleMarker()
{
    const int inset = m_markerSize / 2;
    const QRect track = WheelRect(m_size, 1, m_margins).adjusted(inset, inset, -inset, -inset);
    const double theta = m_hue * M_PI / 180.0;
    const double a = track.width() * 0.5;
    const double b = track.height() * 0.5;
    const int x = int(track.left() + (std::cos(theta) * a + a - m_pAngleMarker->width() * 0.5));
    const int y = int(track.top() + (std::sin(theta) * b + b - m_pAngleMarker->height() * 0.5));
    m_pAngleMarker->move(x, y);
}

void BVColorWheelPrivate::UpdateTriangle()
{
    const QRect wheel = WheelRect(m_size, 1, m_margins);
    const int m = m_markerSize;
    const double a = (wheel.width() - 2 * m) / 2.0;
    const double b = (wheel.height() - 2 * m) / 2.0;
    const QPointF centre(wheel.left() + m + a, wheel.top() + m + b);
    const double theta = m_hue * M_PI / 180.0;
    for (int j = 0; j < 3; ++j) {
        m_triangle[j] = QPointF(centre.x() + std::cos(theta + j * kTwoThirdsPi) * a,
            centre.y() + std::sin(theta + j * kTwoThirdsPi) * b);
    }
    const QPointF& pure = m_triangle[0];
    const QPointF& white = m_triangle[1];
    const QPointF& black = m_triangle[2];

    const double l = m_lightness / 255.0;
    const double s = m_saturation / 255.0;
    const QPointF axis = QVector2D(white - black).toPointF();
    const QPointF gray = black + axis * l;
    const QLineF normal = QLineF(gray, gray + axis).normalVector();
    const QLineF edge = m_lightness >= 128 ? QLineF(pure, white) : QLineF(black, pure);
    QPointF onEdge(0, 0);
    normal.intersects(edge, &onEdge);
    const QPointF toEdge = QVector2D(onEdge - gray).toPointF();
    const QPointF at = black + axis * l + toEdge * s;
    m_pColorMarker->move(
        at.toPoint() - QPoint(int(m_pColorMarker->width() * 0.5), int(m_pColorMarker->height() * 0.5)));
}

int BVColorWheelPrivate::HueAt(const QPoint& pos) const
{
    const QPointF centre = WheelRect(m_size, 1, m_margins).center();
    // QLineF::angle turns counter-clockwise on screen; hues turn clockwise.
    const double angle = QLineF(centre, QPointF(pos)).angle();
    return (360 - int(angle)) % 360;
}

QPainterPath BVColorWheelPrivate::RingPath() const
{
    const QRect wheel = WheelRect(m_size, 1, m_margins);
    const QRect local(0, 0, wheel.width(), wheel.height());
    const int m = m_markerSize;
    QPainterPath outer;
    outer.addEllipse(local);
    QPainterPath inner;
    inner.addEllipse(local.adjusted(m, m, -m, -m));
    QPainterPath ring = outer.subtracted(inner);
    ring.translate(wheel.topLeft());
    return ring;
}

QPainterPath BVColorWheelPrivate::TrianglePath() const
{
    QPainterPath path;
    path.moveTo(m_triangle[0]);
    path.lineTo(m_triangle[1]);
    path.lineTo(m_triangle[2]);
    path.lineTo(m_triangle[0]);
    return path;
}

BVColorWheelTest::State BVColorWheelTest::Inspect(const BVColorWheel& wheel)
{
    const BVColorWheelPrivate* d = BVColorWheelPrivate::Get(wheel);
    State state;
    state.ring = d->m_ringPixmap;
    state.triangle = d->m_trianglePixmap;
    state.vertices = d->m_triangle;
    state.ringBusy = d->m_ringBusy;
    state.ringPending = d->m_ringPending;
    state.triangleBusy = d->m_triangleBusy;
    state.trianglePending = d->m_trianglePending;
    state.dragging = d->m_dragging;
    return state;
}

BVColorWheel::BVColorWheel(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new BVColorWheelPrivate(this))
{
    d->m_pAngleMarker = new QToolButton(this);
    d->m_pColorMarker = new QToolButton(this);
    d->m_triangle = QVector<QPointF>(3, QPointF(0, 0));
    d->m_pRingWatcher = new QFutureWatcher<BVHandOver<QImage>>(this);
    d->m_pTriangleWatcher = new QFutureWatcher<BVHandOver<std::shared_ptr<TriangleBuffers>>>(this);
    d->m_pSpareTimer = new QTimer(this);
    d->m_pSpareTimer->setSingleShot(true);
    d->m_pSpareTimer->setInterval(kSpareLifeMs);
    connect(d->m_pSpareTimer, &QTimer::timeout, this, [this] { d->m_spares = TriangleBuffers(); });
    connect(d->m_pRingWatcher, &QFutureWatcherBase::finished, this, [this] { d->OnRingRendered(); });
    connect(d->m_pTriangleWatcher, &QFutureWatcherBase::finished, this, [this] { d->OnTriangleRendered(); });
    d->m_size = size();
    d->StartRingRender();
    d->StartTriangleRender();

    const QSize markerSize(d->m_markerSize, d->m_markerSize);
    d->m_pAngleMarker->setObjectName(QStringLiteral("ANGLECONTROL"));
    d->m_pColorMarker->setObjectName(QStringLiteral("COLORCONTROL"));
    for (QToolButton* marker : { d->m_pAngleMarker, d->m_pColorMarker }) {
        marker->resize(markerSize);
        marker->hide();
        marker->setIcon(QIcon(MakeMarkerIcon(markerSize, BVQtCompat::IntegerDevicePixelRatio(marker))));
        // The wheel hit-tests the markers itself, so it must see every press.
        marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

BVColorWheel::~BVColorWheel()
{
    // The watchers are children and outlive this body: cut them off from the
    // private object, then wait so that no render of this wheel outlives it.
    disconnect(d->m_pRingWatcher, nullptr, this, nullptr);
    disconnect(d->m_pTriangleWatcher, nullptr, this, nullptr);
    d->m_pRingWatcher->waitForFinished();
    d->m_pTriangleWatcher->waitForFinished();
    delete d;
}

QColor BVColorWheel::GetColor() const
{
    return QColor::fromHsl(d->m_hue, d->m_saturation, d->m_lightness, 255);
}

void BVColorWheel::SetColor(const QColor& color)
{
    // QColor's equality also compares the color model, so an RGB color reloads.
    if (GetColor() == color)
        return;
    // An invalid QColor reports hue 0, saturation 0, lightness 0: black.
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    color.getHsl(&hue, &saturation, &lightness);
    if (hue < 0) {
        hue = 0;
        saturation = 0;
    }
    const bool newHue = hue != d->m_hue;
    d->m_hue = hue;
    d->m_lightness = lightness;
    d->m_saturation = saturation;
    // The triangle image shows the hue alone: the panel pushes every edit
    // back here, and a saturation or lightness drag must not keep the pool busy.
    if (newHue)
        d->StartTriangleRender();
    d->PlaceAngleMarker();
    d->UpdateTriangle();
    Q_EMIT ColorChanged();
}

void BVColorWheel::SetMargins(const QMargins& margins)
{
    d->m_margins = margins;
    d->UpdateSize(size());
}

void BVColorWheel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || d->m_dragging)
        return;
    const QPoint pos = event->pos();

    if (!d->m_pAngleMarker->isHidden()) {
        if (MarkerContains(d->m_pAngleMarker, pos)) {
            d->StartDrag(d->m_pAngleMarker);
            return;
        }
        // The ring wins where the color marker overlaps it.
        if (d->RingPath().contains(QPointF(pos))) {
            const int hue = d->HueAt(pos);
            if (hue != d->m_hue) {
                d->m_hue = hue;
                d->StartTriangleRender();
                d->PlaceAngleMarker();
                Q_EMIT ColorChanged();
                d->StartDrag(d->m_pAngleMarker);
            }
            return;
        }
    }

    if (d->m_pColorMarker->isHidden())
        return;
    if (MarkerContains(d->m_pColorMarker, pos)) {
        d->StartDrag(d->m_pColorMarker);
        return;
    }
    if (d->TrianglePath().contains(QPointF(pos))) {
        const QPoint picked = PickColor(d->m_triangle, pos);
        if (picked.x() != d->m_lightness || picked.y() != d->m_saturation) {
            d->m_lightness = picked.x();
            d->m_saturation = picked.y();
            d->UpdateTriangle();
            Q_EMIT ColorChanged();
            d->StartDrag(d->m_pColorMarker);
        }
    }
}

void BVColorWheel::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    if (d->m_dragging) {
        d->m_dragging = false;
        d->m_pDragTarget = nullptr;
    }
}

void BVColorWheel::mouseMoveEvent(QMouseEvent* event)
{
    if (!d->m_dragging)
        return;
    const QPoint pos = event->pos();
    if (d->m_pDragTarget == d->m_pAngleMarker) {
        const int hue = d->HueAt(pos);
        if (hue == d->m_hue)
            return;
        d->m_hue = hue;
        Q_EMIT ColorChanged();
        d->StartTriangleRender();
        d->PlaceAngleMarker();
    } else if (d->m_pDragTarget == d->m_pColorMarker) {
        const QPoint picked = PickColor(d->m_triangle, pos);
        if (picked.x() == d->m_lightness && picked.y() == d->m_saturation)
            return;
        d->m_saturation = picked.y();
        d->m_lightness = picked.x();
        d->UpdateTriangle();
        Q_EMIT ColorChanged();
    }
}

void BVColorWheel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // At a fractional scale the images are made at the next integer ratio
    // and shrink on the way to the screen: filter them rather than drop
    // pixels. At a matching ratio nothing is scaled and this costs nothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QPointF(0, 0), d->m_ringPixmap);
    painter.drawPixmap(QPointF(0, 0), d->m_trianglePixmap);
}

void BVColorWheel::resizeEvent(QResizeEvent* event)
{
    d->UpdateSize(event->size());
    QWidget::resizeEvent(event);
}
