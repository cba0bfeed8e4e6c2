#include "BVColorControl.h"
#include "FormDump.h"
#include "TestSupport.h"

#include <QToolButton>
#include <QtTest>

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
        QCOMPARE(control.baseSize(), QSize(36, 36));
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

    // "mode color" → what both swatches show, opaque, at 20 × 20 times the integer device pixel
    // ratio. Gray is (11 red + 16 green + 5 blue) / 32; mode 2 is unknown.
    void swatch_data()
    {
        bvtest::Rows({ { "1 80ff0000", "575757" }, { "1 00ff00", "7f7f7f" }, { "1 0000ff", "272727" },
            { "0 80ff0000", "80ff0000" }, { "2 00ff00", "ff00ff00" } });
    }

    void swatch()
    {
        QFETCH(QString, input);
        BVColorControl control;
        control.SetMode(BVColorControl::Mode(input.left(1).toInt()));
        const QColor color = bvtest::ParseColor(input.mid(2));
        control.SetForeground(color);
        QVERIFY(QMetaObject::invokeMethod(&control, "SetBackground", Q_ARG(QColor, color)));
        const int side = 20 * qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
        for (const QPoint point : { QPoint(5, 5), QPoint(30, 30) }) {
            const QIcon icon = qobject_cast<QToolButton*>(control.childAt(point))->icon();
            QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(side, side) }));
            const QString shown = icon.pixmap(side).toImage().pixelColor(0, 0).name(QColor::HexArgb).mid(1);
            QTEST(shown.startsWith(QLatin1String("ff")) && input.left(1) == QLatin1String("1") ? shown.mid(2)
                                                                                               : shown,
                "expected");
        }
    }
};

QTEST_MAIN(tst_BVColorControl)
#include "tst_bvcolorcontrol.moc"
