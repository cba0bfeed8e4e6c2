#pragma once

// Color arithmetic shared by the panel, its editor, its swatches and the
// wheel: one home for the three-digit web colors, the display gray and the
// HSL triple of a color that has no hue.

#include <QColor>
#include <QString>

namespace BVColorMath {

/// The digit a channel (0 to 255) keeps in a three-digit web color: its high four bits.
constexpr int WebDigit(int channel)
{
    return channel >> 4;
}

/// The channel a web digit stands for: the digit written twice (0x0 → 0x00, 0xA → 0xAA).
constexpr int WebChannel(int digit)
{
    return digit * 17;
}

/// The color three hexadecimal digits name, one per channel, with each channel's
/// low four bits dropped; opaque.
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

/// The color hexadecimal digits name, read right-aligned so that a partly typed
/// entry already names one ("f" is blue 0xFF); every '#' is skipped, and text
/// that does not parse names black.
inline QColor ParseWebDigits(QString text)
{
    text.remove(QLatin1Char('#'));
    bool ok = false;
    int value = text.toInt(&ok, 16);
    if (!ok)
        value = 0;
    return QColor(WebChannel((value >> 8) & 15), WebChannel((value >> 4) & 15), WebChannel(value & 15));
}

/// The opaque gray (11 red + 16 green + 5 blue) / 32 that grayscale mode shows.
inline QColor ToGray(const QColor& color)
{
    const int gray = qGray(color.rgb());
    return QColor(gray, gray, gray);
}

/// The color's HSL triple, with a hueless color (a gray) given hue 0 and no saturation.
inline void GetHsl(const QColor& color, int* hue, int* saturation, int* lightness)
{
    color.getHsl(hue, saturation, lightness);
    if (*hue < 0) {
        *hue = 0;
        *saturation = 0;
    }
}

} // namespace BVColorMath
