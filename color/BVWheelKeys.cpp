#include "BVWheelKeys.h"

#include "BVColorWheel.h"

#include <QKeyEvent>
#include <QWidget>

namespace bvkeys {

namespace {

constexpr int kHuePage = 15;
constexpr int kLightnessPage = 16;

// A filter rather than key handlers on the wheel, whose overrides are part of its ABI.
class WheelKeys : public QObject {
public:
    WheelKeys(BVColorWheel* wheel, QWidget* hueMarker)
        : QObject(wheel)
        , m_pWheel(wheel)
        , m_pHueMarker(hueMarker)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const bool hue = watched == m_pHueMarker;
        int dh = 0, ds = 0, dl = 0;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Right:
            (hue ? dh : ds) = 1;
            break;
        case Qt::Key_Left:
            (hue ? dh : ds) = -1;
            break;
        case Qt::Key_Up:
            (hue ? dh : dl) = 1;
            break;
        case Qt::Key_Down:
            (hue ? dh : dl) = -1;
            break;
        case Qt::Key_PageUp:
            (hue ? dh : dl) = hue ? kHuePage : kLightnessPage;
            break;
        case Qt::Key_PageDown:
            (hue ? dh : dl) = hue ? -kHuePage : -kLightnessPage;
            break;
        case Qt::Key_Escape:
            // The override query stays unanswered, so a host shortcut on Escape still wins.
            if (event->type() != QEvent::KeyPress)
                return false;
            static_cast<QWidget*>(watched)->clearFocus();
            return true;
        default:
            return false;
        }
        event->accept();
        const QColor color = m_pWheel->GetColor();
        // Black and white have no saturation to change (Qt 5's QColor even compares them equal
        // whatever it is). A value at its limit gives the same color, which SetColor drops unsignalled.
        const bool blackOrWhite = color.lightness() == 0 || color.lightness() == 255;
        if (event->type() == QEvent::KeyPress && !(ds != 0 && blackOrWhite))
            m_pWheel->SetColor(QColor::fromHsl((color.hslHue() + dh + 360) % 360,
                qBound(0, color.hslSaturation() + ds, 255), qBound(0, color.lightness() + dl, 255)));
        return true;
    }

private:
    BVColorWheel* const m_pWheel;
    QWidget* const m_pHueMarker;
};

} // namespace

void InstallWheelKeys(BVColorWheel* wheel, QWidget* hueMarker, QWidget* colorMarker)
{
    auto* keys = new WheelKeys(wheel, hueMarker);
    hueMarker->installEventFilter(keys);
    colorMarker->installEventFilter(keys);
}

} // namespace bvkeys
