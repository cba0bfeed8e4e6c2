#include "BVColorControl.h"
#include "TestSupport.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// Both swatches are named "COLOR"; they differ by place.
QToolButton* Swatch(const BVColorControl& control, const QPoint& topLeft)
{
    for (QToolButton* button : control.findChildren<QToolButton*>(QStringLiteral("COLOR"))) {
        if (button->geometry().topLeft() == topLeft)
            return button;
    }
    return nullptr;
}

QToolButton* Foreground(const BVColorControl& control)
{
    return Swatch(control, QPoint(0, 0));
}
QToolButton* Background(const BVColorControl& control)
{
    return Swatch(control, QPoint(12, 12));
}

QImage IconImage(const QAbstractButton* button)
{
    const QList<QSize> sizes = button->icon().availableSizes();
    if (sizes.size() != 1)
        return QImage();
    return button->icon().pixmap(sizes.first()).toImage();
}

} // namespace

class tst_BVColorControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void form();
    void buttons_data();
    void buttons();
    void swatchColor_data();
    void swatchColor();
    void setModeKeepsIcons();
    void iconPixelSize();
    void clicks_data();
    void clicks();
    void metaObjectOrder();
};

void tst_BVColorControl::initTestCase()
{
    bvtest::InstallTheme();
}

void tst_BVColorControl::form()
{
    BVColorControl control;
    QCOMPARE(control.objectName(), QStringLiteral("ColorControl"));
    QCOMPARE(control.windowTitle(), QStringLiteral("ColorControl"));
    QCOMPARE(control.size(), QSize(36, 36));
    QCOMPARE(control.minimumSize(), QSize(36, 36));
    QCOMPARE(control.maximumSize(), QSize(36, 36));
    QCOMPARE(control.baseSize(), QSize(36, 36));
    QCOMPARE(control.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(control.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(!control.layout());

    QVERIFY(!control.findChild<QObject*>(QStringLiteral("m_pForeground")));
    QVERIFY(!control.findChild<QObject*>(QStringLiteral("m_pBackground")));

    // Bottom to top: background, reset, swap, foreground.
    const QList<QToolButton*> stack
        = control.findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(stack.size(), 4);
    QCOMPARE(stack[0]->geometry(), QRect(12, 12, 24, 24));
    QCOMPARE(stack[1]->objectName(), QStringLiteral("m_pReset"));
    QCOMPARE(stack[2]->objectName(), QStringLiteral("m_pSwap"));
    QCOMPARE(stack[3]->geometry(), QRect(0, 0, 24, 24));
    // The overlap belongs to the foreground swatch.
    QCOMPARE(control.childAt(18, 18), Foreground(control));
    QCOMPARE(control.childAt(30, 30), Background(control));

    // No icon until a color is given.
    QVERIFY(Foreground(control)->icon().isNull());
    QVERIFY(Background(control)->icon().isNull());
}

void tst_BVColorControl::buttons_data()
{
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("iconSize");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("themeIcon");

    QTest::newRow("foreground") << QPoint(5, 5) << QStringLiteral("COLOR") << QRect(0, 0, 24, 24)
                                << QSize(20, 20) << QStringLiteral("Foreground color") << false;
    QTest::newRow("background") << QPoint(30, 30) << QStringLiteral("COLOR") << QRect(12, 12, 24, 24)
                                << QSize(20, 20) << QStringLiteral("Background color") << false;
    QTest::newRow("reset") << QPoint(5, 30) << QStringLiteral("m_pReset") << QRect(0, 25, 11, 11)
                           << QSize(8, 8) << QStringLiteral("Reset to default (D)") << true;
    QTest::newRow("swap") << QPoint(30, 5) << QStringLiteral("m_pSwap") << QRect(25, 0, 11, 11)
                          << QSize(11, 11) << QStringLiteral("Swap colors (X)") << true;
}

void tst_BVColorControl::buttons()
{
    QFETCH(QPoint, inside);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QSize, iconSize);
    QFETCH(QString, toolTip);
    QFETCH(bool, themeIcon);

    BVColorControl control;
    auto* button = qobject_cast<QToolButton*>(control.childAt(inside));
    QVERIFY(button);
    QCOMPARE(button->objectName(), name);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->iconSize(), iconSize);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QCOMPARE(button->text(), QString());
    // The theme images are found through the host's "theme:" search path.
    QCOMPARE(!button->icon().isNull(), themeIcon);
}

void tst_BVColorControl::swatchColor_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("shown");

    QTest::newRow("gray red") << 1 << QColor(255, 0, 0) << QColor(87, 87, 87);
    QTest::newRow("gray green") << 1 << QColor(0, 255, 0) << QColor(127, 127, 127);
    QTest::newRow("gray blue") << 1 << QColor(0, 0, 255) << QColor(39, 39, 39);
    QTest::newRow("gray white") << 1 << QColor(255, 255, 255) << QColor(255, 255, 255);
    QTest::newRow("gray hsl") << 1 << QColor::fromHsl(120, 255, 128) << QColor(128, 128, 128);
    QTest::newRow("gray translucent") << 1 << QColor(255, 0, 0, 128) << QColor(87, 87, 87, 255);
    QTest::newRow("color red") << 0 << QColor(255, 0, 0) << QColor(255, 0, 0);
    QTest::newRow("color translucent") << 0 << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128);
    QTest::newRow("mode 2") << 2 << QColor(0, 255, 0) << QColor(0, 255, 0);
    QTest::newRow("mode -1") << -1 << QColor(0, 0, 255) << QColor(0, 0, 255);
}

void tst_BVColorControl::swatchColor()
{
    QFETCH(int, mode);
    QFETCH(QColor, color);
    QFETCH(QColor, shown);

    BVColorControl control;
    control.SetMode(BVColorControl::Mode(mode));
    control.SetForeground(color);
    control.SetBackground(color);
    for (QToolButton* swatch : { Foreground(control), Background(control) }) {
        const QImage image = IconImage(swatch);
        QVERIFY(!image.isNull());
        QCOMPARE(image.pixelColor(0, 0), shown);
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), shown);
    }
}

void tst_BVColorControl::setModeKeepsIcons()
{
    BVColorControl control;
    control.SetForeground(QColor(255, 0, 0));
    control.SetBackground(QColor(0, 0, 255));
    const qint64 foregroundKey = Foreground(control)->icon().cacheKey();
    const qint64 backgroundKey = Background(control)->icon().cacheKey();

    control.SetMode(BVColorControl::Grayscale);
    QCOMPARE(Foreground(control)->icon().cacheKey(), foregroundKey);
    QCOMPARE(Background(control)->icon().cacheKey(), backgroundKey);
    QCOMPARE(IconImage(Foreground(control)).pixelColor(0, 0), QColor(255, 0, 0));

    control.SetForeground(QColor(255, 0, 0));
    QCOMPARE(IconImage(Foreground(control)).pixelColor(0, 0), QColor(87, 87, 87));
    QCOMPARE(Background(control)->icon().cacheKey(), backgroundKey);

    control.SetMode(BVColorControl::Color);
    control.SetBackground(QColor(0, 255, 0));
    QCOMPARE(IconImage(Background(control)).pixelColor(0, 0), QColor(0, 255, 0));
}

void tst_BVColorControl::iconPixelSize()
{
    BVColorControl control;
    QToolButton* swatch = Foreground(control);
    const int ratio = swatch->devicePixelRatio();
    if (qgetenv("QT_SCALE_FACTOR") == "2")
        QCOMPARE(ratio, 2);

    control.SetForeground(QColor(1, 2, 3));
    control.SetForeground(QColor(4, 5, 6));
    const QIcon icon = swatch->icon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(20 * ratio, 20 * ratio) }));
    const QPixmap pixmap = icon.pixmap(icon.availableSizes().first());
    QCOMPARE(pixmap.size(), QSize(20 * ratio, 20 * ratio));
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);
    QCOMPARE(pixmap.toImage().pixelColor(0, 0), QColor(4, 5, 6));
}

void tst_BVColorControl::clicks_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("activate");
    QTest::addColumn<int>("swap");
    QTest::addColumn<int>("reset");

    QTest::newRow("foreground") << QPoint(5, 5) << 1 << 0 << 0;
    QTest::newRow("overlap") << QPoint(18, 18) << 1 << 0 << 0;
    QTest::newRow("background") << QPoint(30, 30) << 0 << 1 << 0;
    QTest::newRow("swap") << QPoint(30, 5) << 0 << 1 << 0;
    QTest::newRow("reset") << QPoint(5, 30) << 0 << 0 << 1;
}

void tst_BVColorControl::clicks()
{
    QFETCH(QPoint, point);
    QFETCH(int, activate);
    QFETCH(int, swap);
    QFETCH(int, reset);

    BVColorControl control;
    control.SetForeground(Qt::red);
    control.SetBackground(Qt::blue);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const qint64 foregroundKey = Foreground(control)->icon().cacheKey();
    const qint64 backgroundKey = Background(control)->icon().cacheKey();

    QSignalSpy activateSpy(&control, &BVColorControl::Activate);
    QSignalSpy swapSpy(&control, &BVColorControl::Swap);
    QSignalSpy resetSpy(&control, &BVColorControl::Reset);
    QWidget* button = control.childAt(point);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->mapFrom(&control, point));
    QCOMPARE(activateSpy.count(), activate);
    QCOMPARE(swapSpy.count(), swap);
    QCOMPARE(resetSpy.count(), reset);
    // The owner answers a click; the control itself changes nothing.
    QCOMPARE(Foreground(control)->icon().cacheKey(), foregroundKey);
    QCOMPARE(Background(control)->icon().cacheKey(), backgroundKey);
}

void tst_BVColorControl::metaObjectOrder()
{
    const QMetaObject& meta = BVColorControl::staticMetaObject;
    QStringList signatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        signatures << QString::fromLatin1(method.methodSignature())
                + (method.methodType() == QMetaMethod::Signal ? QStringLiteral(" signal")
                                                              : QStringLiteral(" slot"));
    }
    QCOMPARE(signatures,
        QStringList({ QStringLiteral("Swap() signal"), QStringLiteral("Reset() signal"),
            QStringLiteral("Activate() signal"), QStringLiteral("SetBackground(QColor) slot"),
            QStringLiteral("SetForeground(QColor) slot") }));
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
}

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
