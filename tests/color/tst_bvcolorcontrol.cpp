#include "BVColorControl.h"
#include "TestSupport.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// Both swatches are named "COLOR"; the top-most button at a point tells them apart.
QToolButton* At(const BVColorControl& control, int x, int y)
{
    return qobject_cast<QToolButton*>(control.childAt(x, y));
}
QToolButton* Foreground(const BVColorControl& control)
{
    return At(control, 5, 5);
}
QToolButton* Background(const BVColorControl& control)
{
    return At(control, 30, 30);
}

QColor IconColor(const QAbstractButton* button)
{
    const QList<QSize> sizes = button->icon().availableSizes();
    return sizes.size() == 1 ? button->icon().pixmap(sizes.first()).toImage().pixelColor(0, 0) : QColor();
}

} // namespace

class tst_BVColorControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    void form();
    void swatchColor_data();
    void swatchColor();
    void setModeKeepsIcons();
    void iconPixelSize();
    void clicks_data();
    void clicks();
    void metaObjectOrder();
};

void tst_BVColorControl::form()
{
    BVColorControl control;
    QCOMPARE(control.objectName(), QStringLiteral("ColorControl"));
    QCOMPARE(control.windowTitle(), QStringLiteral("ColorControl"));
    QCOMPARE(control.minimumSize(), QSize(36, 36));
    QCOMPARE(control.maximumSize(), QSize(36, 36));
    QCOMPARE(control.baseSize(), QSize(36, 36));
    QCOMPARE(control.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(control.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(!control.findChild<QObject*>(QStringLiteral("m_pForeground")));

    // Bottom to top; (18, 18) lies where the two swatches overlap.
    const QList<QToolButton*> stack
        = control.findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(stack,
        QList<QToolButton*>(
            { Background(control), At(control, 5, 30), At(control, 30, 5), At(control, 18, 18) }));
    const struct {
        const char* name;
        QRect geometry;
        int icon;
        const char* toolTip;
    } expected[] = { { "COLOR", QRect(12, 12, 24, 24), 20, "Background color" },
        { "m_pReset", QRect(0, 25, 11, 11), 8, "Reset to default (D)" },
        { "m_pSwap", QRect(25, 0, 11, 11), 11, "Swap colors (X)" },
        { "COLOR", QRect(0, 0, 24, 24), 20, "Foreground color" } };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(stack[i]->objectName(), QLatin1String(expected[i].name));
        QCOMPARE(stack[i]->geometry(), expected[i].geometry);
        QCOMPARE(stack[i]->iconSize(), QSize(expected[i].icon, expected[i].icon));
        QCOMPARE(stack[i]->toolTip(), QLatin1String(expected[i].toolTip));
        QCOMPARE(stack[i]->focusPolicy(), Qt::NoFocus);
        QCOMPARE(stack[i]->text(), QString());
        // Swatches get an icon from their first color; the others from the theme.
        QCOMPARE(stack[i]->icon().isNull(), i == 0 || i == 3);
    }
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
    QTest::newRow("gray of hsl") << 1 << QColor::fromHsl(120, 255, 128) << QColor(128, 128, 128);
    QTest::newRow("gray translucent") << 1 << QColor(255, 0, 0, 128) << QColor(87, 87, 87, 255);
    QTest::newRow("color translucent") << 0 << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128);
    QTest::newRow("mode 2") << 2 << QColor(0, 255, 0) << QColor(0, 255, 0);
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
    QCOMPARE(IconColor(Foreground(control)), shown);
    QCOMPARE(IconColor(Background(control)), shown);
}

void tst_BVColorControl::setModeKeepsIcons()
{
    BVColorControl control;
    control.SetForeground(QColor(255, 0, 0));
    control.SetBackground(QColor(0, 0, 255));
    const qint64 background = Background(control)->icon().cacheKey();
    control.SetMode(BVColorControl::Grayscale);
    QCOMPARE(IconColor(Foreground(control)), QColor(255, 0, 0));
    control.SetForeground(QColor(255, 0, 0));
    QCOMPARE(IconColor(Foreground(control)), QColor(87, 87, 87));
    QCOMPARE(Background(control)->icon().cacheKey(), background);
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
    QCOMPARE(icon.pixmap(icon.availableSizes().first()).devicePixelRatio(), 1.0);
    QCOMPARE(IconColor(swatch), QColor(4, 5, 6));
}

void tst_BVColorControl::clicks_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QList<int>>("counts"); // Activate, Swap, Reset

    QTest::newRow("foreground") << QPoint(5, 5) << QList<int>({ 1, 0, 0 });
    QTest::newRow("overlap") << QPoint(18, 18) << QList<int>({ 1, 0, 0 });
    QTest::newRow("background") << QPoint(30, 30) << QList<int>({ 0, 1, 0 });
    QTest::newRow("swap") << QPoint(30, 5) << QList<int>({ 0, 1, 0 });
    QTest::newRow("reset") << QPoint(5, 30) << QList<int>({ 0, 0, 1 });
}

void tst_BVColorControl::clicks()
{
    QFETCH(QPoint, point);
    QFETCH(QList<int>, counts);

    BVColorControl control;
    control.SetForeground(Qt::red);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const qint64 icon = Foreground(control)->icon().cacheKey();
    QSignalSpy activate(&control, &BVColorControl::Activate);
    QSignalSpy swap(&control, &BVColorControl::Swap);
    QSignalSpy reset(&control, &BVColorControl::Reset);
    QWidget* button = control.childAt(point);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->mapFrom(&control, point));
    QCOMPARE(QList<int>({ activate.count(), swap.count(), reset.count() }), counts);
    QCOMPARE(Foreground(control)->icon().cacheKey(), icon); // the owner answers, not the control
}

void tst_BVColorControl::metaObjectOrder()
{
    const QMetaObject& meta = BVColorControl::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::number(meta.method(i).methodType())
                + QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(methods.join(QLatin1Char(' ')),
        QStringLiteral("1Swap() 1Reset() 1Activate() 2SetBackground(QColor) 2SetForeground(QColor)"));
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
}

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
