#include "BVSplitter.h"

#include "BVAccessible.h"
#include "BVDisconnectChildren.h"
#include "BVQtCompat.h"
#include "BVStringHelper.h"

#include <QAccessibleValueInterface>
#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr int kThickness = 32;
constexpr int kCentre = kThickness / 2 + kThickness % 2;
constexpr double kCentreOffset = 16.0;
// Within this many grid steps below a grid line, a position counts as on it.
constexpr double kSnapTolerance = 0.0005;

struct PresetShortcut {
    Qt::Key key; // with Alt
    double position;
};

constexpr PresetShortcut kPresets[] = {
    { Qt::Key_1, 0.0 },
    { Qt::Key_2, 0.25 },
    { Qt::Key_3, 0.5 },
    { Qt::Key_4, 0.75 },
    { Qt::Key_5, 1.0 },
};

// Truncates toward zero like a plain conversion, but pins what lies outside
// the int range (and NaN, to 0) so that the conversion is always defined.
int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

// Written as two comparisons so that NaN falls to 0.0.
double ClampFraction(double value)
{
    const double low = value > 0.0 ? value : 0.0;
    return low < 1.0 ? low : 1.0;
}

} // namespace

class BVSplitterPrivate {
public:
    BVSplitterPrivate(BVSplitter* owner, Qt::Orientation orientation);

    bool IsVertical() const { return m_orientation == Qt::Vertical; }
    QSize StripSize(const QSize& parentSize) const;
    void Place();
    void Apply(double position);
    void ApplyPointer(const QPoint& pos);
    void AddShortcut(const QKeySequence& keys, std::function<void()> call);

    BVSplitter* const m_pOwner;
    double m_position = 0.5;
    const Qt::Orientation m_orientation;
    bool m_pressed = false;
    const QPixmap m_handle;
};

BVSplitterPrivate::BVSplitterPrivate(BVSplitter* owner, Qt::Orientation orientation)
    : m_pOwner(owner)
    , m_orientation(orientation)
    , m_handle(BVStringHelper::DPIAdjustImageName(QStringLiteral("theme:preview-splitter-handler.png")))
{ }

QSize BVSplitterPrivate::StripSize(const QSize& parentSize) const
{
    return IsVertical() ? QSize(kThickness, parentSize.height()) : QSize(parentSize.width(), kThickness);
}

void BVSplitterPrivate::Place()
{
    const QWidget* parent = m_pOwner->parentWidget();
    if (!parent)
        return;
    if (IsVertical())
        m_pOwner->move(TruncToInt(parent->width() * m_position - kCentreOffset), 0);
    else
        m_pOwner->move(0, TruncToInt(parent->height() * m_position - kCentreOffset));
}

void BVSplitterPrivate::Apply(double position)
{
    const double clamped = ClampFraction(position);
    if (clamped == m_position)
        return;
    m_position = clamped;
    Place();
    QAccessibleValueChangeEvent event(m_pOwner, m_position * 100.0);
    QAccessible::updateAccessibility(&event);
    Q_EMIT m_pOwner->PositionChanged(m_position);
}

void BVSplitterPrivate::ApplyPointer(const QPoint& pos)
{
    const QWidget* parent = m_pOwner->parentWidget();
    if (!parent)
        return;
    const QPoint inParent = m_pOwner->mapToParent(pos);
    const int along = IsVertical() ? inParent.x() : inParent.y();
    const int extent = IsVertical() ? parent->width() : parent->height();
    // An empty parent is treated as the limit of along / extent, without
    // dividing by zero: past the origin is the far end, anything else the near.
    if (extent <= 0) {
        Apply(along > 0 ? 1.0 : 0.0);
        return;
    }
    Apply(static_cast<double>(along) / extent);
}

void BVSplitterPrivate::AddShortcut(const QKeySequence& keys, std::function<void()> call)
{
    auto* action = new QAction(m_pOwner);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, m_pOwner, std::move(call));
    m_pOwner->addAction(action);
}

namespace {

// Screen readers get the position in percent, and may set it.
class SplitterAccessible : public BVAccessibleControl, public QAccessibleValueInterface {
public:
    explicit SplitterAccessible(QWidget* splitter)
        : BVAccessibleControl(
            splitter, QAccessible::Splitter, "BVSplitter", QT_TRANSLATE_NOOP("BVSplitter", "Splitter"))
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return BVAccessibleControl::interface_cast(type);
    }
    QVariant currentValue() const override { return Splitter()->GetPosition() * 100.0; }
    void setCurrentValue(const QVariant& value) override
    {
        Splitter()->SetPosition(value.toDouble() / 100.0);
    }
    QVariant maximumValue() const override { return 100.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    BVSplitter* Splitter() const { return static_cast<BVSplitter*>(widget()); }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(BVSplitter::staticMetaObject.className()))
        return new SplitterAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

BVSplitter::BVSplitter(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , d(new BVSplitterPrivate(this, orientation))
{
    BVInstallAccessibleFactory<CreateAccessible>();
    // Only the parent given here is followed; a later parent is not watched.
    if (parent) {
        resize(d->StripSize(parent->size()));
        parent->installEventFilter(this);
    }
    d->Place();
    setCursor(d->IsVertical() ? Qt::SplitHCursor : Qt::SplitVCursor);

    for (const PresetShortcut& preset : kPresets) {
        const double position = preset.position;
        d->AddShortcut(QKeySequence(Qt::ALT | preset.key), [this, position]() { SetPosition(position); });
    }
    if (d->IsVertical()) {
        d->AddShortcut(QKeySequence(Qt::Key_Left), [this]() { MoveSlider(-0.1, 10); });
        d->AddShortcut(QKeySequence(Qt::Key_Right), [this]() { MoveSlider(0.1, 10); });
    }
}

BVSplitter::~BVSplitter()
{
    BVDisconnectChildren(this);
    delete d;
}

Qt::Orientation BVSplitter::GetOrientation() const
{
    return d->m_orientation;
}

double BVSplitter::GetPosition() const
{
    return d->m_position;
}

void BVSplitter::SetPosition(double position)
{
    d->Apply(position);
}

void BVSplitter::MoveSlider(double delta, unsigned int steps)
{
    const double p = d->m_position;
    if (steps == 0) {
        d->Apply(p + delta);
        return;
    }
    const double n = steps;
    const double g = TruncToInt(n * p + kSnapTolerance) / n;
    // Off the grid, a step down first lands on the grid point below. The
    // round trip through delta is kept: hosts see its last-bit result.
    const bool offGrid = std::fabs(p - g) > std::numeric_limits<double>::epsilon();
    const double target = offGrid && delta < 0.0 ? (g - delta) + delta : g + delta;
    SetPosition(target);
}

bool BVSplitter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched->isWidgetType() && watched == parentWidget()) {
        resize(d->StripSize(static_cast<QResizeEvent*>(event)->size()));
        d->Place();
    }
    return QWidget::eventFilter(watched, event);
}

void BVSplitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        d->m_pressed = true;
}

void BVSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The release point counts even when the press was not seen, e.g. when
    // the press landed on the parent and the pointer was grabbed elsewhere.
    d->m_pressed = false;
    d->ApplyPointer(event->pos());
}

void BVSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (d->m_pressed)
        d->ApplyPointer(event->pos());
}

void BVSplitter::enterEvent(BVQtCompat::EnterEvent* event)
{
    QWidget::enterEvent(event);
    update();
}

void BVSplitter::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update();
}

void BVSplitter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(1.0);
    // Difference with white inverts whatever the parent shows beneath.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QColor(Qt::white));

    const int W = width();
    const int H = height();
    if (!d->IsVertical()) {
        painter.drawLine(0, kCentre, W, kCentre);
        return;
    }

    const double ratio = d->m_handle.devicePixelRatio();
    const int w = TruncToInt(d->m_handle.width() / ratio);
    const int h = TruncToInt(d->m_handle.height() / ratio);
    const int cy = H / 2 + H % 2;
    const int x = kCentre - (w / 2 + w % 2);
    const int y = cy - (h / 2 + h % 2);
    if (h > 0) {
        painter.drawLine(kCentre, 0, kCentre, y);
        painter.drawLine(kCentre, y + h, kCentre, H);
    } else {
        // Two halves meeting at the centre row would both cover its pixel, and
        // difference mode would invert it back: without an image, one line.
        painter.drawLine(kCentre, 0, kCentre, H);
    }
    if (!d->m_handle.isNull())
        painter.drawPixmap(x, y, d->m_handle);
}
