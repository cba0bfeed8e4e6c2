#include "BVColorControl.h"
#include "BVQtCompat.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

// Both swatches are named "COLOR"; the top-most button at a point tells them apart.
struct Control : BVColorControl {
    QToolButton* At(const QPoint& point) const { return qobject_cast<QToolButton*>(childAt(point)); }
    QToolButton* Foreground() const { return At({ 5, 5 }); }
    QToolButton* Background() const { return At({ 30, 30 }); }
};

} // namespace

class tst_BVColorControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void swatch_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("gray red") << 1 << QColor(255, 0, 0) << QColor(87, 87, 87);
        QTest::newRow("gray green") << 1 << QColor(0, 255, 0) << QColor(127, 127, 127);
        QTest::newRow("gray blue") << 1 << QColor(0, 0, 255) << QColor(39, 39, 39);
        QTest::newRow("gray translucent") << 1 << QColor(255, 0, 0, 128) << QColor(87, 87, 87);
        QTest::newRow("color translucent") << 0 << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128);
        QTest::newRow("unknown mode 2") << 2 << QColor(0, 255, 0) << QColor(0, 255, 0);
    }

    void swatch()
    {
        QFETCH(int, mode);
        QFETCH(QColor, color);
        QFETCH(QColor, shown);

        Control control;
        const int ratio = BVQtCompat::IntegerDevicePixelRatio(control);
        if (qgetenv("QT_SCALE_FACTOR") == "2")
            QCOMPARE(ratio, 2);
        control.SetForeground(QColor(1, 2, 3));
        const qint64 before = control.Foreground()->icon().cacheKey();
        control.SetMode(BVColorControl::Mode(mode));
        QCOMPARE(control.Foreground()->icon().cacheKey(), before); // the mode applies from the next color on
        control.SetForeground(color);
        QVERIFY(QMetaObject::invokeMethod(&control, "SetBackground", Q_ARG(QColor, color)));
        for (const QToolButton* swatch : { control.Foreground(), control.Background() }) {
            const QIcon icon = swatch->icon();
            QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(20 * ratio, 20 * ratio) }));
            const QPixmap pixmap = icon.pixmap(icon.availableSizes().value(0));
            QCOMPARE(pixmap.devicePixelRatio(), 1.0);
            QCOMPARE(pixmap.toImage().pixelColor(0, 0), shown);
        }
    }

    void buttons_data()
    {
        QTest::addColumn<QRect>("geometry"); // clicked in the middle
        QTest::addColumn<QString>("button"); // object name, tool tip and the signals a click emits
        // The foreground's middle lies where it overlaps the background.
        QTest::newRow("foreground") << QRect(0, 0, 24, 24) << "COLOR: Foreground color -> Activate()";
        QTest::newRow("background") << QRect(12, 12, 24, 24) << "COLOR: Background color -> Swap()";
        QTest::newRow("swap") << QRect(25, 0, 11, 11) << "m_pSwap: Swap colors (X) -> Swap()";
        QTest::newRow("reset") << QRect(0, 25, 11, 11) << "m_pReset: Reset to default (D) -> Reset()";
    }

    void buttons()
    {
        QFETCH(QRect, geometry);
        QFETCH(QString, button);

        Control control;
        QCOMPARE(control.minimumSize(), QSize(36, 36));
        QCOMPARE(control.maximumSize(), QSize(36, 36));
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        const QPoint middle = geometry.topLeft() + QPoint(geometry.width(), geometry.height()) / 2;
        QToolButton* target = control.At(middle);
        QCOMPARE(target->geometry(), geometry);
        QCOMPARE(target->focusPolicy(), Qt::NoFocus);
        // Swatches get an icon from their first color; the others from the theme.
        QCOMPARE(target->icon().isNull(), target->objectName() == QLatin1String("COLOR"));

        control.SetForeground(Qt::red);
        const auto icons = [&] {
            return qMakePair(
                control.Foreground()->icon().cacheKey(), control.Background()->icon().cacheKey());
        };
        const auto before = icons();
        QSignalSpy spies[] = { QSignalSpy(&control, SIGNAL(Activate())), QSignalSpy(&control, SIGNAL(Swap())),
            QSignalSpy(&control, SIGNAL(Reset())) };
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&control, middle));
        QString fired;
        for (const QSignalSpy& spy : spies)
            fired += QString::fromLatin1(spy.signal()).repeated(spy.count());
        QCOMPARE(
            target->objectName() + QLatin1String(": ") + target->toolTip() + QLatin1String(" -> ") + fired,
            button);
        QCOMPARE(icons(), before); // the owner answers, not the control
    }
};

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
