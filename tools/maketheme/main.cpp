// Draws the small theme images the project ships for its tests and gallery.
// Run: maketheme <output dir>. The images are committed; rerun only to change them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage Canvas(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Reset(int scale)
{
    QImage image = Canvas(8 * scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.fillRect(QRectF(3, 3, 5, 5), Qt::white);
    p.setPen(QPen(Qt::black, 1.0 / scale));
    p.drawRect(QRectF(3, 3, 4.5, 4.5));
    p.fillRect(QRectF(0, 0, 5, 5), Qt::black);
    return image;
}

QImage Swap(int scale)
{
    QImage image = Canvas(11 * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    QPainterPath arc;
    arc.moveTo(2, 8);
    arc.cubicTo(2, 3, 4, 2, 8, 2);
    p.drawPath(arc);
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({ QPointF(7, 0), QPointF(10, 2), QPointF(7, 4) }));
    p.drawPolygon(QPolygonF({ QPointF(0, 7), QPointF(2, 10), QPointF(4, 7) }));
    return image;
}

QImage Picker(int scale)
{
    QImage image = Canvas(16 * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QColor gray(110, 110, 110);
    p.setPen(QPen(gray, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 13), QPointF(10, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(gray);
    p.drawEllipse(QPointF(11.5, 4.5), 3.0, 3.0);
    p.drawEllipse(QPointF(2.5, 13.5), 1.2, 1.2);
    return image;
}

QImage Handle(int scale)
{
    QImage image = Canvas(24 * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1, 1, 22, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({ QPointF(5, 12), QPointF(10, 7), QPointF(10, 17) }));
    p.drawPolygon(QPolygonF({ QPointF(19, 12), QPointF(14, 7), QPointF(14, 17) }));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const auto save = [&](const char* name, QImage (*draw)(int), bool hiDpi) {
        draw(1).save(out.filePath(QLatin1String(name) + QLatin1String(".png")));
        if (hiDpi)
            draw(2).save(out.filePath(QLatin1String(name) + QLatin1String("@2x.png")));
    };
    save("toolbar_color_reset", Reset, true);
    save("toolbar_color_swap", Swap, true);
    save("picker_gray", Picker, true);
    save("preview-splitter-handler", Handle, true);
    return 0;
}
