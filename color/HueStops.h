#pragma once

#include <QColor>
#include <QGradient>

// The hue circle as gradient stops 18° apart, red at both ends: the wheel's
// ring and the hue groove both show it. `fromEnd` puts hue 0 at position 1,
// for the ring's conical gradient, which turns the other way. The bound keeps
// the summed positions from passing the far end by a hair.
inline QGradientStops HueStops(int saturation, int lightness, bool fromEnd = false)
{
    const double step = fromEnd ? -0.05 : 0.05;
    double position = fromEnd ? 1.0 : 0.0;
    QGradientStops stops;
    for (int i = 0; i <= 20; ++i) {
        stops.append({ position, QColor::fromHsl((18 * i) % 360, saturation, lightness) });
        position = qBound(0.0, position + step, 1.0);
    }
    return stops;
}
