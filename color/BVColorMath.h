#pragma once

// Color arithmetic shared by the panel, its editor, its swatches and the wheel.

#include <QColor>
#include <QString>

namespace BVColorMath {

/// A channel's digit in a three-digit web color: its high four bits.
constexpr int WebDigit(int channel)
{
    return channel >> 4;
}

/// The channel a web digit stands for: the digit written twice (0xA → 0xAA).
constexpr int WebChannel(int digit)
{
    return digit * 17;
}

/// The opaque color three hexadecimal digits can name: each channel's low four bits dropped.
inline QColor ToWebColor(const QColor& color)
{
    return QColor(WebChannel(WebDigit(color.red())), WebChannel(WebDigit(color.green())),
        WebChannel(WebDigit(color.blue())));
}

/// The three lowercase digits of a color's web form, red first.
inline QString WebDigits(const QColor& color)
{
    return QStringLiteral("%1%2%3")
        .arg(WebDigit(color.red()), 1, 16, QLatin1Char(' '))
        .arg(WebDigit(color.green()), 1, 16, QLatin1Char(' '))
        .arg(WebDigit(color.blue()), 1, 16, QLatin1Char(' '));
}

/// The color hexadecimal digits name, every '#' skipped, read right-aligned so
/// that a partly typed entry already names one ("f" is blue 0xFF); black if they do not parse.
inline QColor ParseWebDigits(QString text)
{
    text.remove(QLatin1Char('#'));
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    const int v = ok ? value : 0;
    return QColor(WebChannel((v >> 8) & 15), WebChannel((v >> 4) & 15), WebChannel(v & 15));
}

/// The opaque gray (11 red + 16 green + 5 blue) / 32 that grayscale mode shows.
inline QColor ToGray(const QColor& color)
{
    const int gray = qGray(color.rgb());
    return QColor(gray, gray, gray);
}

/// The color's HSL triple, a hueless color (a gray) given hue 0 and no saturation.
inline void GetHsl(const QColor& color, int* hue, int* saturation, int* lightness)
{
    color.getHsl(hue, saturation, lightness);
    if (*hue < 0) {
        *hue = 0;
        *saturation = 0;
    }
}

} // namespace BVColorMath
