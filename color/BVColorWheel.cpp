#include "BVColorWheel.h"

#include "BVAccessible.h"
#include "BVColorMath.h"
#include "BVColorWheelRender.h"
#include "BVColorWheelSeam.h"
#include "BVDisconnectChildren.h"
#include "BVHandOver.h"
#include "BVQtCompat.h"
#include "BVWheelKeys.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QIcon>
#include <QLineF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTimer>
#include <QToolButton>
#include <QVector2D>

#include <cmath>
#include <memory>
#include <utility>

namespace {

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

template <typename T> using RenderWatcher = QFutureWatcher<BVHandOver<T>>;

// The rule both images follow: at most one render in flight; a request
// meanwhile only marks one follow-up. `makeJob` runs only when a render
// really starts, with the parameters current then.
template <typename T, typename MakeJob>
void RequestRender(bool& busy, bool& pending, RenderWatcher<T>* watcher, MakeJob makeJob)
{
    if (busy) {
        pending = true;
        return;
    }
    watcher->setFuture(BVRunHandedOver(QThreadPool::globalInstance(), makeJob()));
    busy = true;
    pending = false;
}

// Every result is installed, even a stale one: the follow-up, started after
// it with the parameters current now, replaces it.
template <typename T, typename Install, typename Restart>
void FinishRender(bool& busy, bool pending, RenderWatcher<T>* watcher, Install install, Restart restart)
{
    busy = false;
    install(std::move(watcher->result().Value()));
    if (pending)
        restart();
}

// The triangle's buffers between renders. A drag renders many images of one
// size; handing the last render's layers and the replaced image to the next
// one repaints the same memory instead of touching fresh pages every time.
class TriangleSpares {
public:
    /// Takes a finished render: its image becomes the one `shown` draws,
    /// and the image shown until now and the render's layers become spares.
    void Install(TriangleBuffers&& result, QPixmap& shown)
    {
        QImage outgoing = std::move(m_shown);
        m_shown = std::move(result.image);
        // Same format: the pixmap shares the buffer, no copy on this thread.
        shown = QPixmap::fromImage(m_shown);
        // The old pixmap is gone, so the outgoing buffer is ours alone,
        // unless someone still holds a copy of that pixmap.
        m_spares.image = outgoing.isDetached() ? std::move(outgoing) : QImage();
        m_spares.black = std::move(result.black);
        m_spares.white = std::move(result.white);
    }
    /// The spares, for the next render; none are left behind.
    TriangleBuffers Take() { return std::exchange(m_spares, TriangleBuffers()); }
    void Release() { m_spares = TriangleBuffers(); }

private:
    // Shares the shown pixmap's buffer, which becomes a spare once replaced.
    QImage m_shown;
    TriangleBuffers m_spares;
};

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
    // m_size and the geometry that follows from it and the margins, always together.
    void SetSize(const QSize& size)
    {
        m_size = size;
        m_geometry = WheelGeometry(m_size, m_markerSize, 1, m_margins);
    }
    void PlaceAngleMarker();
    void UpdateTriangle();

    QString ColorText() const;
    void EmitColorChanged();
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
    // Where things lie for m_size and m_margins, in widget coordinates (SetSize).
    WheelGeometry m_geometry { m_size, m_markerSize, 1, m_margins };
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
    RenderWatcher<QImage>* m_pRingWatcher = nullptr;
    RenderWatcher<std::shared_ptr<TriangleBuffers>>* m_pTriangleWatcher = nullptr;
    TriangleSpares m_spares;
    QTimer* m_pSpareTimer = nullptr;
    // Where the shown triangle image has pixels, and where the one being
    // rendered will: a new image repaints only those, not the whole wheel.
    QRect m_shownTriangle;
    QRect m_renderedTriangle;
    // RingHole of the shown ring image and of the one being rendered.
    QRect m_shownRingHole;
    QRect m_renderedRingHole;
};

void BVColorWheelPrivate::StartRingRender()
{
    RequestRender(m_ringBusy, m_ringPending, m_pRingWatcher, [this] {
        const int ratio = BVQtCompat::IntegerDevicePixelRatio(m_pWheel);
        m_renderedRingHole = m_geometry.RingHole();
        return [size = m_size, marker = m_markerSize, ratio, margins = m_margins] {
            return RenderRingImage(size, marker, ratio, margins);
        };
    });
}

void BVColorWheelPrivate::StartTriangleRender()
{
    RequestRender(m_triangleBusy, m_trianglePending, m_pTriangleWatcher, [this] {
        const int ratio = BVQtCompat::IntegerDevicePixelRatio(m_pWheel);
        m_renderedTriangle = WheelGeometry::TriangleBounds(m_geometry.Triangle(m_hue));
        // Shared, so the buffers stay alive for the job whatever becomes of the wheel.
        auto buffers = std::make_shared<TriangleBuffers>(m_spares.Take());
        return [buffers, size = m_size, marker = m_markerSize, hue = m_hue, ratio, margins = m_margins] {
            RenderTriangleInto(*buffers, size, marker, hue, ratio, margins);
            return buffers;
        };
    });
}

void BVColorWheelPrivate::OnRingRendered()
{
    FinishRender(
        m_ringBusy, m_ringPending, m_pRingWatcher,
        [this](QImage&& image) {
            m_ringPixmap = QPixmap::fromImage(std::move(image));
            m_shownRingHole = m_renderedRingHole;
        },
        [this] { StartRingRender(); });
    m_pAngleMarker->setVisible(!m_ringPixmap.isNull());
    PlaceAngleMarker();
    m_pWheel->update();
}

void BVColorWheelPrivate::OnTriangleRendered()
{
    FinishRender(
        m_triangleBusy, m_trianglePending, m_pTriangleWatcher,
        [this](std::shared_ptr<TriangleBuffers>&& result) {
            m_spares.Install(std::move(*result), m_trianglePixmap);
            m_pSpareTimer->start();
            // Before a follow-up starts and names its own area.
            m_pWheel->update(m_shownTriangle | m_renderedTriangle);
            m_shownTriangle = m_renderedTriangle;
        },
        [this] { StartTriangleRender(); });
    m_pColorMarker->setVisible(!m_trianglePixmap.isNull());
    UpdateTriangle();
}

void BVColorWheelPrivate::UpdateSize(const QSize& size)
{
    SetSize(size);
    StartRingRender();
    StartTriangleRender();
}

void BVColorWheelPrivate::PlaceAngleMarker()
{
    const QRect track = m_geometry.MarkerTrack();
    const double theta = m_hue * M_PI / 180.0;
    const double a = track.width() * 0.5;
    const double b = track.height() * 0.5;
    const int x = int(track.left() + (std::cos(theta) * a + a - m_pAngleMarker->width() * 0.5));
    const int y = int(track.top() + (std::sin(theta) * b + b - m_pAngleMarker->height() * 0.5));
    m_pAngleMarker->move(x, y);
}

void BVColorWheelPrivate::UpdateTriangle()
{
    m_triangle = m_geometry.Triangle(m_hue);
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

QString BVColorWheelPrivate::ColorText() const
{
    const auto percent = [](int value) { return qRound(value * 100 / 255.0); };
    return QCoreApplication::translate("BVColorWheel", "hue %1°, saturation %2%, lightness %3%, %4")
        .arg(m_hue)
        .arg(percent(m_saturation))
        .arg(percent(m_lightness))
        .arg(m_pWheel->GetColor().name());
}

void BVColorWheelPrivate::EmitColorChanged()
{
    // A drag changes the color on every move: build the text only for a listener.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(m_pWheel, ColorText());
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT m_pWheel->ColorChanged();
}

namespace {

class WheelAccessible : public BVAccessibleControl {
public:
    explicit WheelAccessible(QWidget* wheel)
        : BVAccessibleControl(wheel, QAccessible::ColorChooser, "BVColorWheel",
            QT_TRANSLATE_NOOP("BVColorWheel", "Color wheel"))
    { }

    QString text(QAccessible::Text t) const override
    {
        // Linux bridges pass on no value text of a non-numeric control; the
        // description carries the color there.
        if (t == QAccessible::Value || t == QAccessible::Description)
            return BVColorWheelPrivate::Get(*static_cast<const BVColorWheel*>(widget()))->ColorText();
        return BVAccessibleControl::text(t);
    }
};

// The wheel and its markers, told by the wheel's pointers as they may be
// asked for before they are named. Other buttons on the wheel are left to
// whoever placed them: the panel's factory answers for its swatches there.
QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(BVColorWheel::staticMetaObject.className()))
        return new WheelAccessible(static_cast<QWidget*>(object));
    const auto* wheel = qobject_cast<const BVColorWheel*>(object->parent());
    if (!wheel)
        return nullptr;
    const BVColorWheelPrivate* d = BVColorWheelPrivate::Get(*wheel);
    if (object == d->m_pAngleMarker)
        return new BVAccessibleButton(static_cast<QWidget*>(object), QAccessible::Button, "BVColorWheel",
            QT_TRANSLATE_NOOP("BVColorWheel", "Hue marker"));
    if (object == d->m_pColorMarker)
        return new BVAccessibleButton(static_cast<QWidget*>(object), QAccessible::Button, "BVColorWheel",
            QT_TRANSLATE_NOOP("BVColorWheel", "Saturation and lightness marker"));
    return nullptr;
}

} // namespace

BVColorWheel::BVColorWheel(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new BVColorWheelPrivate(this))
{
    BVInstallAccessibleFactory<CreateAccessible>();
    d->m_pAngleMarker = new QToolButton(this);
    d->m_pColorMarker = new QToolButton(this);
    d->m_triangle = QVector<QPointF>(3, QPointF(0, 0));
    d->m_pRingWatcher = new RenderWatcher<QImage>(this);
    d->m_pTriangleWatcher = new RenderWatcher<std::shared_ptr<TriangleBuffers>>(this);
    d->m_pSpareTimer = new QTimer(this);
    d->m_pSpareTimer->setSingleShot(true);
    d->m_pSpareTimer->setInterval(kSpareLifeMs);
    connect(d->m_pSpareTimer, &QTimer::timeout, this, [this] { d->m_spares.Release(); });
    connect(d->m_pRingWatcher, &QFutureWatcherBase::finished, this, [this] { d->OnRingRendered(); });
    connect(d->m_pTriangleWatcher, &QFutureWatcherBase::finished, this, [this] { d->OnTriangleRendered(); });
    d->SetSize(size());
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
    bvkeys::InstallWheelKeys(this, d->m_pAngleMarker, d->m_pColorMarker);
}

BVColorWheel::~BVColorWheel()
{
    // No waiting: a render still running or queued owns its inputs and
    // buffers, finishes in its pool thread, and its watcher, cut off here,
    // drops its result.
    BVDisconnectChildren(this);
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
    BVColorMath::GetHsl(color, &hue, &saturation, &lightness);
    // A color read from damaged bytes can carry any hue; building it back later must not warn.
    hue = qBound(0, hue, 359);
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
    d->EmitColorChanged();
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
        if (d->m_geometry.RingArea().contains(QPointF(pos))) {
            const int hue = d->m_geometry.HueAt(pos);
            if (hue != d->m_hue) {
                d->m_hue = hue;
                d->StartTriangleRender();
                d->PlaceAngleMarker();
                d->EmitColorChanged();
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
    if (TrianglePath(d->m_triangle).contains(QPointF(pos))) {
        const QPoint picked = PickColor(d->m_triangle, pos);
        if (picked.x() != d->m_lightness || picked.y() != d->m_saturation) {
            d->m_lightness = picked.x();
            d->m_saturation = picked.y();
            d->UpdateTriangle();
            d->EmitColorChanged();
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
        const int hue = d->m_geometry.HueAt(pos);
        if (hue == d->m_hue)
            return;
        d->m_hue = hue;
        d->EmitColorChanged();
        d->StartTriangleRender();
        d->PlaceAngleMarker();
    } else if (d->m_pDragTarget == d->m_pColorMarker) {
        const QPoint picked = PickColor(d->m_triangle, pos);
        if (picked.x() == d->m_lightness && picked.y() == d->m_saturation)
            return;
        d->m_saturation = picked.y();
        d->m_lightness = picked.x();
        d->UpdateTriangle();
        d->EmitColorChanged();
    }
}

void BVColorWheel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // At a fractional scale the images are made at the next integer ratio
    // and shrink on the way to the screen: filter them rather than drop
    // pixels. At a matching ratio nothing is scaled and this costs nothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A new triangle repaints mostly inside the ring's hole, where blending
    // the ring's clear pixels would change nothing. One rectangle at a time:
    // Qt clips a draw to a rectangle by drawing less, to a region by masking
    // the whole image.
    for (const QRect& rect : event->region().subtracted(d->m_shownRingHole)) {
        painter.setClipRect(rect);
        painter.drawPixmap(QPointF(0, 0), d->m_ringPixmap);
    }
    painter.setClipping(false);
    painter.drawPixmap(QPointF(0, 0), d->m_trianglePixmap);
}

void BVColorWheel::resizeEvent(QResizeEvent* event)
{
    d->UpdateSize(event->size());
    QWidget::resizeEvent(event);
}

namespace {

// The renders a watcher has delivered since it was first inspected. Made by
// the inspection, not by the wheel: a wheel nobody inspects counts nothing.
class DeliveredRenders : public QObject {
public:
    static DeliveredRenders* Of(const QFutureWatcherBase* watcher)
    {
        auto* count = static_cast<DeliveredRenders*>(
            watcher->findChild<QObject*>(Name(), Qt::FindDirectChildrenOnly));
        return count ? count : new DeliveredRenders(const_cast<QFutureWatcherBase*>(watcher));
    }
    // Each render started is delivered or in flight, and at most one is in flight.
    int Started(bool busy) const { return m_delivered + (busy ? 1 : 0); }

private:
    explicit DeliveredRenders(QFutureWatcherBase* watcher)
        : QObject(watcher)
    {
        setObjectName(Name());
        connect(watcher, &QFutureWatcherBase::finished, this, [this] { ++m_delivered; });
    }
    static QString Name() { return QStringLiteral("bvDeliveredRenders"); }
    int m_delivered = 0;
};

} // namespace

BVColorWheelTest::State BVColorWheelTest::Inspect(const BVColorWheel& wheel)
{
    const BVColorWheelPrivate& d = *BVColorWheelPrivate::Get(wheel);
    return State { d.m_ringPixmap, d.m_trianglePixmap, d.m_triangle, d.m_ringBusy, d.m_triangleBusy,
        DeliveredRenders::Of(d.m_pRingWatcher)->Started(d.m_ringBusy),
        DeliveredRenders::Of(d.m_pTriangleWatcher)->Started(d.m_triangleBusy) };
}
