#include "BVColorControl.h"
#include "TestSupport.h"

class tst_BVColorControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    // Swatches stay empty until their first color; the small buttons show the theme's images.
    // Clicks on foreground, background, swap and reset.
    void form()
    {
        BVColorControl control;
        QCOMPARE(bvtest::FormChanges(&control, QStringLiteral("colorcontrol.txt")), QString());
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
        QCOMPARE(fired, QLatin1String("A S S R "));
    }
};

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
