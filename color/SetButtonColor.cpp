#include "SetButtonColor.h"

#include "BVAccessible.h"
#include "BVQtCompat.h"

#include <QAbstractButton>
#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

namespace {

// Where a swatch keeps the color it shows, for screen readers.
const char kShownColor[] = "_bv_shown_color";
// The icon made for that color: a host may have set another since.
const char kShownIcon[] = "_bv_shown_icon";

// A swatch is read out as the color it shows.
class SwatchAccessible : public BVAccessibleButton {
public:
    explicit SwatchAccessible(QWidget* swatch)
        : BVAccessibleButton(swatch, QAccessible::Button)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description && t != QAccessible::Value)
            return BVAccessibleButton::text(t);
        const QColor color = widget()->property(kShownColor).value<QColor>();
        return color.isValid() ? color.name() : QCoreApplication::translate("BVColorWidget", "Empty");
    }
};

} // namespace

QAccessibleInterface* BVCreateSwatchAccessible(QWidget* swatch)
{
    return new SwatchAccessible(swatch);
}

void SetButtonColor(QAbstractButton* button, const QColor& color)
{
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(button);
    const QSize iconSize = button->iconSize();
    const QSize pixels(qRound(iconSize.width() * double(ratio)), qRound(iconSize.height() * double(ratio)));
    // The panel shows its colors again on every change of one: a swatch that
    // still shows this color at this size (in device pixels, so at this
    // ratio) is left alone, and not repainted.
    const QIcon shown = button->icon();
    if (button->property(kShownColor).value<QColor>() == color
        && button->property(kShownIcon).toLongLong() == shown.cacheKey()
        && shown.availableSizes().value(0) == pixels)
        return;
    QPixmap pixmap(pixels);
    pixmap.fill(color);
    button->setIcon(QIcon(pixmap));
    button->setProperty(kShownColor, color);
    button->setProperty(kShownIcon, button->icon().cacheKey());
}
