#include "EasySlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>

namespace {
// The popup's slider leaves room at both ends so the extreme values are easy
// to hit with the pointer resting on the popup's edge.
constexpr int kPopupInset = 12;
} // namespace

EasySlider::EasySlider(QWidget* parent)
    : EasySlider(Qt::Horizontal, parent)
{ }

EasySlider::EasySlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    // The pointer maps to a value left to right, so the drawing must read that way too, or a
    // right-to-left host would draw the handle at the mirror image of the pointer. Set here, a
    // direction the application sets later no longer reaches the slider; one set on it still does.
    setLayoutDirection(Qt::LeftToRight);
}

EasySlider::~EasySlider() = default;

bool EasySlider::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
        m_bHovered = true;
        return QAbstractSlider::event(event);
    case QEvent::HoverLeave:
        m_bHovered = false;
        return QAbstractSlider::event(event);
    case QEvent::HoverMove:
        // QSlider's own hover tracking would fight our highlight rule.
        return QAbstractSlider::event(event);
    default:
        return QSlider::event(event);
    }
}

void EasySlider::mousePressEvent(QMouseEvent* event)
{
    updateSliderPosition(event->pos().x());
    m_bPressed = true;
    event->accept();
}

void EasySlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bPressed) {
        event->ignore();
        return;
    }
    updateSliderPosition(event->pos().x());
    event->accept();
}

void EasySlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bPressed) {
        event->ignore();
        return;
    }
    m_bPressed = false;
    event->accept();
    update();
}

void EasySlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (m_bPressed) {
        option.activeSubControls = QStyle::SC_SliderHandle;
        option.state |= QStyle::State_Sunken;
    } else if (m_bHovered) {
        option.activeSubControls = QStyle::SC_SliderHandle;
    }
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void EasySlider::updateSliderPosition(int x)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    if (objectName() == QLatin1String("PopupSlider"))
        groove.adjust(kPopupInset, 0, -kPopupInset, 0);

    int position;
    if (x <= groove.left()) {
        position = minimum();
    } else if (x >= groove.right()) {
        position = maximum();
    } else {
        const double fraction = double(x - groove.left()) / groove.width();
        // Summed in double: over the full int range the offset alone exceeds INT_MAX.
        position = int(minimum() + std::floor(fraction * (double(maximum()) - minimum()) + 0.5));
    }
    setSliderPosition(position);
}
