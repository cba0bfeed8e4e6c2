#include "GalleryLog.h"

#include <QColor>
#include <QTime>

GalleryLog::GalleryLog(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setMaximumBlockCount(500);
    setObjectName(QStringLiteral("GalleryLog"));
}

void GalleryLog::Add(const QString& source, const QString& text)
{
    appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + source
        + QStringLiteral(": ") + text);
}

QString DescribeColor(const QColor& color)
{
    if (!color.isValid())
        return QStringLiteral("invalid");
    QString text = color.name();
    if (color.spec() == QColor::Hsl)
        text += QStringLiteral(" (hsl %1, %2, %3)")
                    .arg(color.hslHue())
                    .arg(color.hslSaturation())
                    .arg(color.lightness());
    return text;
}
