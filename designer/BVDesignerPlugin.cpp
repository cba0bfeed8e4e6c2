#include "BVDesignerPlugin.h"

#include <BVColorControl.h>
#include <BVColorWheel.h>
#include <BVColorWidget.h>
#include <BVSpinBox.h>
#include <EasySlider.h>
#include <SmartDoubleSpinBox.h>
#include <SmartSpinBox.h>

#include <QPainter>

namespace {

QString DomXml(const QString& className, const QString& objectName, int width, int height)
{
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\">"
                          "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                          "<width>%3</width><height>%4</height></rect></property>"
                          "</widget></ui>")
        .arg(className, objectName)
        .arg(width)
        .arg(height);
}

// Small drawn icons, so the plugin carries no image files.
QIcon DrawIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

QIcon WheelIcon()
{
    return DrawIcon([](QPainter& p) {
        QConicalGradient ring(16, 16, 0);
        for (int i = 0; i <= 6; ++i)
            ring.setColorAt(1.0 - i / 6.0, QColor::fromHsv((60 * i) % 360, 255, 255));
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(9, 9, 14, 14));
    });
}

QIcon SwatchIcon()
{
    return DrawIcon([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(12, 12, 17, 17);
        p.setBrush(Qt::black);
        p.drawRect(3, 3, 17, 17);
    });
}

QIcon SliderIcon()
{
    return DrawIcon([](QPainter& p) {
        p.setPen(QPen(Qt::darkGray, 3));
        p.drawLine(3, 16, 29, 16);
        p.setPen(Qt::black);
        p.setBrush(QColor(70, 130, 200));
        p.drawRoundedRect(QRectF(14, 8, 7, 16), 2, 2);
    });
}

QIcon SpinIcon(const QString& text)
{
    return DrawIcon([text](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(2, 8, 27, 16);
        p.drawText(QRect(2, 8, 27, 16), Qt::AlignCenter, text);
    });
}

} // namespace

BVDesignerWidget::BVDesignerWidget(const QString& className, const QString& toolTip, const QString& domXml,
    const QIcon& icon, Factory factory, QObject* parent)
    : QObject(parent)
    , m_className(className)
    , m_toolTip(toolTip)
    , m_domXml(domXml)
    , m_icon(icon)
    , m_factory(std::move(factory))
{ }

BVDesignerPlugin::BVDesignerPlugin(QObject* parent)
    : QObject(parent)
{
    const auto add = [this](const QString& className, const QString& objectName, const QString& toolTip,
                         QSize size, const QIcon& icon, BVDesignerWidget::Factory factory) {
        m_widgets.append(new BVDesignerWidget(className, toolTip,
            DomXml(className, objectName, size.width(), size.height()), icon, std::move(factory), this));
    };
    add(QStringLiteral("BVColorWidget"), QStringLiteral("colorWidget"),
        QStringLiteral("Color panel: wheel, component editors, hex entry and recent colors"), QSize(354, 604),
        WheelIcon(), [](QWidget* parent) { return new BVColorWidget(parent); });
    add(QStringLiteral("BVColorWheel"), QStringLiteral("colorWheel"),
        QStringLiteral("Hue ring with an HSL triangle"), QSize(240, 240), WheelIcon(),
        [](QWidget* parent) { return new BVColorWheel(parent); });
    add(QStringLiteral("BVColorControl"), QStringLiteral("colorControl"),
        QStringLiteral("Foreground/background swatches with swap and reset"), QSize(36, 36), SwatchIcon(),
        [](QWidget* parent) { return new BVColorControl(parent); });
    add(QStringLiteral("EasySlider"), QStringLiteral("easySlider"),
        QStringLiteral("Slider that jumps to the clicked point"), QSize(160, 22), SliderIcon(),
        [](QWidget* parent) { return new EasySlider(parent); });
    add(QStringLiteral("SmartSpinBox"), QStringLiteral("smartSpinBox"),
        QStringLiteral("Spin box that gives up focus on Escape/Return and keeps Tab from shortcuts"),
        QSize(80, 24), SpinIcon(QStringLiteral("12")),
        [](QWidget* parent) { return new SmartSpinBox(parent); });
    add(QStringLiteral("SmartDoubleSpinBox"), QStringLiteral("smartDoubleSpinBox"),
        QStringLiteral("Floating-point spin box that gives up focus on Escape/Return"), QSize(90, 24),
        SpinIcon(QStringLiteral("1.5")), [](QWidget* parent) { return new SmartDoubleSpinBox(parent); });
    add(QStringLiteral("BVSpinBox"), QStringLiteral("popupSpinBox"),
        QStringLiteral("Spin box with a slider in a popup below it"), QSize(90, 24),
        SpinIcon(QStringLiteral("40")), [](QWidget* parent) { return new BVSpinBox(parent); });
    // BVSplitter and BVWizard stay out: uic cannot pass the splitter's orientation to its
    // constructor, and the wizard has no meta-object, so Designer would save it as a QWidget.
}
