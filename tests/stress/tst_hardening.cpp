// Long runs and bad input a host may produce: bursts of resizes, wheels that
// die while rendering, a panel deleted in the middle of a drag, a splitter
// losing its parent while pressed, and invalid colors everywhere.
#include "BVColorWheel.h"
#include "BVColorWheelRender.h"
#include "BVColorWidget.h"
#include "BVSplitter.h"
#include "TestSupport.h"

#include <QPointer>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>

using BVColorWheelTest::Inspect;

namespace {

bool Idle(const BVColorWheel& wheel)
{
    const BVColorWheelTest::State s = Inspect(wheel);
    return !s.ringBusy && !s.triangleBusy && !s.ringPending && !s.trianglePending;
}

// Middle of the ring at a hue, for a wheel with the panel's left margin of 16.
QPoint RingPoint(const QWidget* wheel, int hue)
{
    const QRect square = WheelRect(wheel->size(), 1, QMargins(16, 0, 0, 0));
    const double radius = square.width() / 2.0 - 11.0;
    const double angle = hue * M_PI / 180.0;
    return QPointF(
        square.center().x() + radius * std::cos(angle), square.center().y() + radius * std::sin(angle))
        .toPoint();
}

} // namespace

class tst_Hardening : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void resizeBurst()
    {
        BVColorWheel wheel;
        wheel.resize(200, 200);
        wheel.show();
        QTRY_VERIFY(Idle(wheel));
        const BVColorWheelTest::State before = Inspect(wheel);
        const auto started = [&] {
            const BVColorWheelTest::State now = Inspect(wheel);
            return qMax(now.ringRenders - before.ringRenders, now.triangleRenders - before.triangleRenders);
        };
        for (int i = 1; i <= 1000; ++i)
            wheel.resize(200 + i % 97, 200 + i % 89);
        // The burst itself starts at most one render of each kind; the rest
        // collapse into one follow-up each.
        QVERIFY(started() <= 1);
        QTRY_VERIFY(Idle(wheel));
        QVERIFY(started() <= 2);
    }

    void wheelsDieWhileRendering()
    {
        const bvtest::MessageCatcher messages;
        for (int i = 0; i < 200; ++i) {
            auto* wheel = new BVColorWheel;
            wheel->resize(120 + i % 50, 150);
            wheel->SetColor(QColor::fromHsl(i % 360, 200, 100));
            if (i % 3 == 0)
                QCoreApplication::processEvents();
            delete wheel;
        }
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(messages.Messages(), QStringList());
    }

    void panelDeletedDuringDrag()
    {
        QPointer<BVColorWidget> panel = new BVColorWidget;
        panel->show();
        auto* wheel = panel->findChild<BVColorWheel*>(QStringLiteral("m_pColorWheel"));
        QTRY_VERIFY(Idle(*wheel));
        int changes = 0;
        connect(panel, &BVColorWidget::ForegroundChanged, panel, [&]() {
            if (++changes == 3)
                panel->deleteLater();
        });
        bvtest::SendMouse(wheel, QEvent::MouseButtonPress, RingPoint(wheel, 10));
        for (int hue = 20; hue < 200 && panel; hue += 10) {
            bvtest::SendMouse(wheel, QEvent::MouseMove, RingPoint(wheel, hue));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        QVERIFY(!panel);
        QCOMPARE(changes, 3);
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    void splitterParentDeletedWhilePressed()
    {
        auto* parent = new QWidget;
        parent->resize(400, 300);
        QPointer<BVSplitter> splitter = new BVSplitter(Qt::Vertical, parent);
        parent->show();
        QSignalSpy moved(splitter.data(), &BVSplitter::PositionChanged);
        bvtest::SendMouse(splitter, QEvent::MouseButtonPress, QPoint(16, 100));
        bvtest::SendMouse(splitter, QEvent::MouseMove, QPoint(40, 100));
        QCOMPARE(moved.count(), 1);
        delete parent;
        QVERIFY(!splitter);
    }

    void recentColorsStaySeven()
    {
        BVColorWidget panel;
        for (int i = 0; i < 100000; ++i)
            panel.SetRecentColor(QColor::fromRgb(QRgb(0xff000000u | uint(i % 1000) * 4099u)));
        // The seven newest distinct colors, newest first, fill slots 3 to 9.
        const QByteArray state = panel.Save();
        QCOMPARE(state.size(), 152);
        QDataStream stream(state.mid(42 + 3 * 11));
        for (int k = 0; k < 7; ++k) {
            QColor color;
            stream >> color;
            QCOMPARE(color, QColor::fromRgb(QRgb(0xff000000u | uint((99999 - k) % 1000) * 4099u)));
        }
    }

    void invalidColors()
    {
        const bvtest::MessageCatcher messages;
        BVColorWidget panel;
        QSignalSpy foreground(&panel, &BVColorWidget::ForegroundChanged);
        QSignalSpy background(&panel, &BVColorWidget::BackgroundChanged);
        panel.SetForeground(QColor());
        panel.SetBackground(QColor());
        panel.SetRecentColor(QColor());
        panel.SetRecentPicker(QColor());
        // Stored and reported as given; a second invalid color is no change.
        QVERIFY(!panel.GetForeground().isValid());
        QVERIFY(!panel.GetBackground().isValid());
        panel.SetForeground(QColor());
        QCOMPARE(foreground.count(), 1);
        QCOMPARE(background.count(), 1);
        const QByteArray state = panel.Save();
        BVColorWidget copy;
        QVERIFY(copy.Restore(state));
        QCOMPARE(copy.Save(), state);
        // And the panel still takes a valid color afterwards.
        panel.SetForeground(QColor(12, 34, 56));
        QCOMPARE(panel.GetForeground(), QColor(12, 34, 56));
        QCOMPARE(messages.Messages(), QStringList());
    }

    void wheelSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("negative") << QSize(-50, -20);
        QTest::newRow("zero") << QSize(0, 0);
        QTest::newRow("huge") << QSize(20000, 20000);
    }

    void wheelSizes()
    {
        QFETCH(QSize, size);
        // Too small, or too large to hold in memory: no image, nothing drawn.
        QVERIFY(RenderRingImage(size, 22, 1, QMargins()).isNull());
        QVERIFY(RenderTriangleImage(size, 22, 40, 2, QMargins()).isNull());
        BVColorWheel wheel;
        // Delivered directly: a shown window of that size would need a
        // backing store as large as the image refused here.
        QResizeEvent resize(size, wheel.size());
        QApplication::sendEvent(&wheel, &resize);
        QTRY_VERIFY(Idle(wheel));
        QVERIFY(Inspect(wheel).ring.isNull());
        QVERIFY(Inspect(wheel).triangle.isNull());
    }
};

QTEST_MAIN(tst_Hardening)
#include "tst_hardening.moc"
