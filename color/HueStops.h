#pragma once

#include <QColor>
#include <QGradient>

// The hue circle as gradient stops 18° apart, red at both ends, at one
// saturation and lightness: the wheel's ring and the hue slider's groove both
// show it. Hue 0 sits at position 0, or at 1 with `fromEnd` (a conical
// gradient turns against the ring's hues). The positions are summed step by
// step; the bound keeps the last one on the end, where the sum falls a hair
// past it.
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
