#include "BVColorControl.h"
#include "FormDump.h"
#include "TestSupport.h"

#include <QToolButton>
#include <QtTest>

class tst_BVColorControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void form()
    {
        BVColorControl control;
        QVERIFY(bvtest::FormMatches(&control, QStringLiteral("colorcontrol.txt")));
        QCOMPARE(control.baseSize(), QSize(36, 36));
        // Swatches stay empty until their first color; the small buttons show the theme's images.
        for (const QToolButton* button : control.findChildren<QToolButton*>())
            QCOMPARE(button->icon().isNull(), button->objectName() == QLatin1String("COLOR"));
        QString fired;
        connect(&control, &BVColorControl::Activate, [&] { fired += QLatin1Char('A'); });
        connect(&control, &BVColorControl::Swap, [&] { fired += QLatin1Char('S'); });
        connect(&control, &BVColorControl::Reset, [&] { fired += QLatin1Char('R'); });
        for (const QPoint point : { QPoint(5, 5), QPoint(30, 30), QPoint(30, 5), QPoint(5, 30) }) {
            QWidget* button = control.childAt(point);
            QTest::mouseClick(button, Qt::LeftButton, {}, button->mapFrom(&control, point));
            fired += QLatin1Char(' ');
        }
        QCOMPARE(fired, QLatin1String("A S S R ")); // foreground, background, swap, reset
    }

    void swatch_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("shown");
        // Gray is (11 red + 16 green + 5 blue) / 32, opaque.
        QTest::newRow("gray translucent red") << 1 << QColor(255, 0, 0, 128) << QColor(87, 87, 87);
        QTest::newRow("gray green") << 1 << QColor(0, 255, 0) << QColor(127, 127, 127);
        QTest::newRow("gray blue") << 1 << QColor(0, 0, 255) << QColor(39, 39, 39);
        QTest::newRow("color translucent") << 0 << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128);
        QTest::newRow("unknown mode 2") << 2 << QColor(0, 255, 0) << QColor(0, 255, 0);
    }

    void swatch()
    {
        QFETCH(int, mode);
        QFETCH(QColor, color);
        QFETCH(QColor, shown);

        BVColorControl control;
        control.SetMode(BVColorControl::Mode(mode));
        control.SetForeground(color);
        QVERIFY(QMetaObject::invokeMethod(&control, "SetBackground", Q_ARG(QColor, color)));
        // 20 x 20 times the integer device pixel ratio, which the hidpi run sets to 2.
        const int side = 20 * qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
        for (const QPoint point : { QPoint(5, 5), QPoint(30, 30) }) {
            const QIcon icon = qobject_cast<QToolButton*>(control.childAt(point))->icon();
            QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(side, side) }));
            QCOMPARE(icon.pixmap(side).toImage().pixelColor(0, 0), shown);
        }
    }
};

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
