#include "SetButtonColor.h"

#include "BVQtCompat.h"

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QPixmap>

void SetButtonColor(QAbstractButton* button, const QColor& color)
{
    const int ratio = BVQtCompat::IntegerDevicePixelRatio(button);
    const QSize iconSize = button->iconSize();
    QPixmap pixmap(qRound(iconSize.width() * double(ratio)), qRound(iconSize.height() * double(ratio)));
    pixmap.fill(color);
    button->setIcon(QIcon(pixmap));
}
