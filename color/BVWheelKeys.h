#pragma once

class BVColorWheel;
class QWidget;

namespace bvkeys {

// Lets a keyboard drive the wheel while one of its markers has focus. On the
// hue marker Right/Up and Left/Down turn the hue by 1 degree, Page Up/Down by
// 15, wrapping at 360; on the other marker Right/Left step saturation and
// Up/Down lightness by 1, Page Up/Down lightness by 16, clamped to 0..255.
// Changes go through the wheel's SetColor. Those keys win over host shortcuts
// (key codes only, as the numeric fields compare them); Escape drops focus.
void InstallWheelKeys(BVColorWheel* wheel, QWidget* hueMarker, QWidget* colorMarker);

} // namespace bvkeys
