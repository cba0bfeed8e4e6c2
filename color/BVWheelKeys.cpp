#include "BVWheelKeys.h"

#include "BVColorWheel.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace bvkeys {

namespace {

// What a key steps on the hue marker, and on the other one.
struct Step {
    int key, hue, saturation, lightness;
};
constexpr Step kSteps[] = { { Qt::Key_Right, 1, 1, 0 }, { Qt::Key_Left, -1, -1, 0 }, { Qt::Key_Up, 1, 0, 1 },
    { Qt::Key_Down, -1, 0, -1 }, { Qt::Key_PageUp, 15, 0, 16 }, { Qt::Key_PageDown, -15, 0, -16 } };

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
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            // The override query stays unanswered, so a host shortcut on Escape still wins.
            if (event->type() != QEvent::KeyPress)
                return false;
            static_cast<QWidget*>(watched)->clearFocus();
            return true;
        }
        const auto step = std::find_if(
            std::begin(kSteps), std::end(kSteps), [key](const Step& s) { return s.key == key; });
        if (step == std::end(kSteps))
            return false;
        const bool hue = watched == m_pHueMarker;
        const int dh = hue ? step->hue : 0;
        const int ds = hue ? 0 : step->saturation;
        const int dl = hue ? 0 : step->lightness;
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
