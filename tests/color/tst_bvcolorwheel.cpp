// Mouse events through the window system: moves carry the held buttons, the pressed widget keeps the grab.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVColorWheel.h"
#include "BVColorWheelRender.h"
#include "BVColorWheelSeam.h"
#include "BVQtCompat.h"
#include "TestSupport.h"

#include <cmath>
#include <memory>

namespace {

// What the wheel keeps inside: its images, the triangle's corners, renders started, busy flags.
const auto Inside = BVColorWheelTest::Inspect;

// The point `radius` from `centre` at `degrees` clockwise from 3 o'clock.
QPointF Around(const QPointF& centre, double degrees, double radius)
{
    const double theta = degrees * M_PI / 180;
    return centre + QPointF(std::cos(theta), std::sin(theta)) * radius;
}

// A pixel: "full" (one channel 255, the lowest at most 1, within 2 degrees of `hue`), "hue" (within 3,
// saturation 240 or more), opaque white or black, gray (no channel 7 off another), clear, or other.
QString Looks(const QImage& image, const QPointF& at, int hue)
{
    const QColor c = image.pixelColor(at.toPoint());
    const int low = qMin(c.red(), qMin(c.green(), c.blue())), high = qMax(c.red(), qMax(c.green(), c.blue()));
    const int d = qMin(qAbs(c.hslHue() - hue) % 360, 360 - qAbs(c.hslHue() - hue) % 360);
    const bool opaque = c.alpha() >= 220;
    return QLatin1String(c.alpha() == 0                             ? "clear"
            : opaque && c.lightness() >= 240                        ? "white"
            : opaque && c.lightness() <= 15                         ? "black"
            : high - low <= 6                                       ? "gray"
            : d <= 2 && high == 255 && low <= 1 && c.alpha() == 255 ? "full"
            : opaque && d <= 3 && c.hslSaturation() >= 240          ? "hue"
                                                                    : "other");
}

// No render running.
const auto Settled = [](const BVColorWheel& w) { return !Inside(w).ringBusy && !Inside(w).triangleBusy; };

QToolButton* Marker(const BVColorWheel* wheel, const char* name)
{
    return wheel->findChild<QToolButton*>(QLatin1String(name));
}

} // namespace

class tst_BVColorWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    // No test may print a Qt warning, least of all from a render off the GUI thread.
    void init() { m_catcher.reset(new bvtest::MessageCatcher); }
    void cleanup()
    {
        const QStringList messages = m_catcher->Messages();
        m_catcher.reset();
        QCOMPARE(messages, QStringList());
    }

    // "width height ratio margins" → the square and the images made (R ring, T triangle). Even spans
    // are shifted back onto the margin; the triangle needs a square wider than the ring's two
    // widths in logical pixels; squares of 200 device pixels and more are probed for colors.
    void geometry_data()
    {
        bvtest::Rows({ { "100 100 1 0 0 0 0", "0 0 100 100 RT" }, { "100 200 1 0 0 0 0", "0 49 100 100 RT" },
            { "200 100 1 0 0 0 0", "49 0 100 100 RT" }, { "200 200 1 10 20 30 40", "19 20 140 140 RT" },
            { "100 100 2 1 2 3 4", "3 4 188 188 RT" }, { "300 44 1 0 0 0 0", "127 0 44 44 R" },
            { "45 45 1 0 0 0 0", "0 0 45 45 RT" }, { "44 44 2 0 0 0 0", "0 0 88 88 R" },
            { "1 1 1 0 0 0 0", "0 0 1 1 R" }, { "0 0 1 0 0 0 0", "0 0 0 0 " },
            { "50 50 1 40 40 40 40", "40 40 -30 -30 " },
            { "4200 4200 2 0 0 0 0", "0 0 8400 8400 " }, // too large to hold
            { "240 200 2 30 5 0 20", "94 10 350 350 RT" }, { "240 200 1 0 0 0 0", "19 0 200 200 RT" } });
    }

    // Images are size × ratio device pixels; buffers left by rows before give the pixels of fresh ones.
    void geometry()
    {
        QFETCH(QString, input);
        const QVector<int> n = bvtest::Numbers(input);
        const QSize size(n[0], n[1]);
        const int ratio = n[2];
        const QMargins margins(n[3], n[4], n[5], n[6]);
        QThreadPool::globalInstance()->setMaxThreadCount(
            ratio == 2 ? 1 : QThread::idealThreadCount()); // one core too
        static TriangleBuffers buffers;
        const QRect square = WheelRect(size, ratio, margins);
        const QImage ring = RenderRingImage(size, 22, ratio, margins);
        const QImage triangle = RenderTriangleImage(size, 22, 40, ratio, margins);
        QTEST(QString::asprintf("%d %d %d %d %s%s", square.x(), square.y(), square.width(), square.height(),
                  ring.isNull() ? "" : "R", triangle.isNull() ? "" : "T"),
            "expected");
        for (const QImage& image : { ring, triangle })
            QVERIFY(image.isNull() || (image.size() == size * ratio && image.devicePixelRatio() == ratio));
        RenderTriangleInto(buffers, size, 22, 40, ratio, margins);
        QCOMPARE(buffers.image, triangle);
        if (triangle.isNull() || square.width() < 200)
            return;

        // Ring: hues clockwise from red at 3 o'clock, clear inside and outside. Triangle: pure hue, white
        // and black clockwise, clear past the edge opposite the hue; near the gray axis no hue is left.
        const QPointF centre = QRectF(square).center();
        QString looks;
        for (const int degrees : { 0, 1, 359, 90, 180, 270 })
            looks += Looks(ring, Around(centre, degrees, square.width() / 2.0 - 11 * ratio), degrees)
                + QLatin1Char(' ');
        looks += Looks(ring, centre, 0) + QLatin1Char(' ') + Looks(ring, square.topLeft(), 0);
        QCOMPARE(looks, QStringLiteral("full full full full full full clear clear"));
        const double a = square.width() / 2.0 - 22 * ratio;
        for (const int hue : { 0, 90, 200, 359, 360 }) { // 360 is red again
            RenderTriangleInto(buffers, size, 22, hue, ratio, margins);
            QCOMPARE(buffers.image, RenderTriangleImage(size, 22, hue, ratio, margins));
            looks = QString::number(hue);
            const QPointF toWhite = Around(centre, hue + 120, a), toBlack = Around(centre, hue + 240, a);
            const auto axis = [&](double along) {
                const QPointF on = toWhite + (toBlack - toWhite) * along;
                return on + (centre - on) * (6.0 * ratio / a);
            };
            for (const QPointF& at : { Around(centre, hue, a * 0.92), Around(centre, hue + 120, a * 0.92),
                     Around(centre, hue + 240, a * 0.92), Around(centre, hue + 180, a * 0.8), axis(0.15),
                     axis(0.85) })
                looks += QLatin1Char(' ') + Looks(buffers.image, at, hue);
            QCOMPARE(
                looks, QString(QString::number(hue) + QStringLiteral(" hue white black clear gray gray")));
        }
    }

    // Insets and pens are device pixels: at ratio 2 a black ring at 2, a white one at 4, hollow, centred.
    void markerIcon()
    {
        const QImage icon = MakeMarkerIconImage(QSize(22, 22), 2);
        QCOMPARE(qMakePair(icon.size(), icon.devicePixelRatio()), qMakePair(QSize(44, 44), 1.0));
        QString rings;
        for (const int y : { 2, 4, 7, 22 })
            rings += icon.pixelColor(22, y).name(QColor::HexArgb) + QLatin1Char(' ');
        QCOMPARE(rings, QStringLiteral("#ff000000 #ffffffff #00000000 #00000000 "));
        QVERIFY(icon == icon.mirrored(true, false) && icon == icon.mirrored(false, true));
    }

    // "x y" → "lightness saturation" in hue 0 around (100, 100), radius 80: the gray axis is x = 60
    // from black (y 30.7) to white (y 169.3), the hue corner at (180, 100). A word swaps the triangle.
    void pickColor_data()
    {
        bvtest::Rows({ { "100 110", "146 99" }, { "60 200", "255 0" }, { "60 0", "0 0" },
            { "170 60", "54 255" }, { "170 140", "201 255" }, // beyond the dark and light colored edges
            { "20 110", "146 0" }, { "60 169", "254 0" }, { "two 100 100", "-1 -1" },
            { "degenerate 5 7", "0 0" },
            // The hue corner on the gray axis: the colored edge meets the perpendicular at the axis.
            { "flat 50 75", "191 0" } });
    }

    void pickColor()
    {
        QFETCH(QString, input);
        const double h = 80 * std::sin(2 * M_PI / 3);
        QVector<QPointF> v { QPointF(180, 100), QPointF(60, 100 + h), QPointF(60, 100 - h) };
        if (input.startsWith(QLatin1String("flat")))
            v = { QPointF(50, 50), QPointF(50, 100), QPointF(50, 0) };
        v.resize(input.startsWith(QLatin1String("two")) ? 2 : 3);
        if (input.startsWith(QLatin1String("degenerate")))
            v.fill(QPointF(0, 0));
        const QVector<int> at = bvtest::Numbers(input);
        const QPoint picked = PickColor(v, QPoint(at[0], at[1]));
        QTEST(QString::asprintf("%d %d", picked.x(), picked.y()), "expected");
    }

    // From HSL 0 128 128, steps "<action><where>[+offset]": p press, m move, r release, upper case
    // with the right button; where is degrees on the ring (offset pixels outward from its middle),
    // C the centre, E inside the hue marker's round hit area 8 right and 3 up of its centre (a ring
    // press there would turn the hue to 359), K the color marker, T the triangle's centroid, W past
    // its white corner by the offset. Each step → "signals:hue". The same integer hue is silent; a drag
    // follows outside the wheel; the centre reads as 0; a release ends a drag, also of another button.
    // In the triangle a press picks at once; moving on while the pick stays the same is silent.
    void mouse_data()
    {
        bvtest::Rows({ { "p90 m90+5 m135 m180+40 mC rC", "1:90 1:90 2:135 3:180 4:0 4:0" },
            { "p0+10.6 m90 r90", "0:0 0:0 0:0" }, { "P90 M180 R180", "0:0 0:0 0:0" },
            { "pE m45 r45 p90", "0:0 1:45 1:45 2:90" },
            { "p90 P90 R90 m180 r180", "1:90 1:90 1:90 1:90 1:90" }, { "pK mT rT", "0:0 1:0 1:0" },
            { "pT mW+10 mW+30 rW+30", "1:0 2:0 2:0 2:0" } });
    }

    // A pick takes the color PickColor finds there; a press moves the hue marker before it signals.
    void mouse()
    {
        QFETCH(QString, input);
        QWidget host; // larger, so the pointer can leave the wheel without leaving the window
        host.resize(500, 400);
        auto* wheel = new BVColorWheel(&host);
        wheel->setGeometry(100, 50, 300, 300);
        wheel->SetColor(QColor::fromHsl(0, 128, 128));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_VERIFY(Settled(*wheel));
        const QToolButton* angle = Marker(wheel, "ANGLECONTROL");
        QSignalSpy spy(wheel, &BVColorWheel::ColorChanged);
        QPoint markerAtSignal;
        connect(wheel, &BVColorWheel::ColorChanged, this, [&] { markerAtSignal = angle->pos(); });

        const QPointF centre = WheelRect(wheel->size(), 1, {}).center();
        const QVector<QPointF> v = Inside(*wheel).vertices;
        const QPointF centroid = (v[0] + v[1] + v[2]) / 3;
        QStringList seen;
        for (const QString& step : input.split(QLatin1Char(' '))) {
            const QChar what = step.at(1);
            const double offset = step.section(QLatin1Char('+'), 1).toDouble();
            QPointF pos = what == QLatin1Char('C') ? centre
                : what == QLatin1Char('K') ? Marker(wheel, "COLORCONTROL")->geometry().center() + QPoint(1, 1)
                : what == QLatin1Char('E') ? angle->geometry().center() + QPoint(9, -2)
                : what == QLatin1Char('T') ? centroid
                : what == QLatin1Char('W')
                ? v[1] + (v[1] - centroid) * (offset / QLineF(centroid, v[1]).length())
                : Around(centre, step.mid(1).section(QLatin1Char('+'), 0, 0).toInt(), 139 + offset);
            const int before = spy.count();
            const QChar action = step.at(0).toLower(); // p, r or m: QTest's press, release or move
            QTest::mouseEvent(QTest::MouseAction(QStringLiteral("pr--m").indexOf(action)), wheel,
                step.at(0).isUpper() ? Qt::RightButton : Qt::LeftButton, {}, pos.toPoint());
            const QColor c = wheel->GetColor();
            seen << QStringLiteral("%1:%2").arg(spy.count()).arg(c.hslHue());
            if (spy.count() > before && QStringLiteral("KTW").contains(what))
                QCOMPARE(QPoint(c.lightness(), c.hslSaturation()), PickColor(v, pos.toPoint()));
            else if (spy.count() > before && what != QLatin1Char('E'))
                QCOMPARE(markerAtSignal == angle->pos(), action == QLatin1Char('p'));
            if (spy.count() > before && (what == QLatin1Char('T') || what == QLatin1Char('W'))) // on the pick
                QVERIFY(QLineF(Marker(wheel, "COLORCONTROL")->geometry().center(),
                            what == QLatin1Char('T') ? pos : v[1])
                            .length()
                    < 2.5);
        }
        QTEST(seen.join(QLatin1Char(' ')), "expected");

        // The triangle turns with the hue, counter-clockwise, once its render is back.
        QTRY_VERIFY(Settled(*wheel));
        const QVector<QPointF> turned = Inside(*wheel).vertices;
        const double toHue = QLineF((turned[0] + turned[1] + turned[2]) / 3, turned[0]).angle();
        QCOMPARE(qRound(toHue) % 360, (360 - wheel->GetColor().hslHue()) % 360);
        QVERIFY(QLineF(angle->geometry().center(), Around(centre, wheel->GetColor().hslHue(), 139)).length()
            < 2.5);
    }

    // Resizes coalesce into one follow-up render, as do hue changes; each state: ring and triangle (none,
    // fresh at the widget's ratio, or stale), markers shown (each while its image exists), renders since.
    void wheelRenders()
    {
        QWidget host;
        host.resize(400, 300);
        auto* wheel = new BVColorWheel(&host);
        QCOMPARE(Inside(*wheel).ringRenders + Inside(*wheel).triangleRenders, 2); // a new wheel starts both
        wheel->setGeometry(100, 50, 200, 200);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_VERIFY(Settled(*wheel));
        QToolButton* angle = Marker(wheel, "ANGLECONTROL");
        QToolButton* color = Marker(wheel, "COLORCONTROL");
        // At the widget's integer ratio: a fractional scale rounds up, so images only scale down.
        const int ratio = BVQtCompat::IntegerDevicePixelRatio(wheel);
        if (qgetenv("QT_SCALE_FACTOR") == "1.5")
            QCOMPARE(ratio, 2);
        QCOMPARE(angle->icon().availableSizes(),
            QList<QSize>({ QSize(22, 22) * BVQtCompat::IntegerDevicePixelRatio(angle) }));

        const auto first = Inside(*wheel);
        QMargins margins;
        const auto seen = [&] {
            const auto now = Inside(*wheel);
            const auto fresh = [&](const QPixmap& shown, const QImage& image) {
                return QLatin1String(shown.isNull()                                     ? "none"
                        : shown.toImage() == image && shown.devicePixelRatio() == ratio ? "fresh"
                                                                                        : "stale");
            };
            return QStringLiteral("%1 %2 %3%4 %5 %6")
                .arg(fresh(now.ring, RenderRingImage(wheel->size(), 22, ratio, margins)),
                    fresh(now.triangle,
                        RenderTriangleImage(wheel->size(), 22, wheel->GetColor().hslHue(), ratio, margins)),
                    QLatin1String(angle->isVisible() ? "A" : "-"),
                    QLatin1String(color->isVisible() ? "C" : "-"))
                .arg(now.ringRenders - first.ringRenders)
                .arg(now.triangleRenders - first.triangleRenders);
        };
        // No event loop runs between the resizes, so the first render cannot be in yet.
        wheel->resize(210, 210);
        wheel->resize(220, 220);
        wheel->resize(230, 200);
        QCOMPARE(seen(), QStringLiteral("stale stale AC 1 1"));
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh fresh AC 2 2"));
        // A second hue change while the first renders is taken up by the follow-up, with the latest hue.
        wheel->SetColor(QColor::fromHsl(60, 255, 128));
        wheel->SetColor(QColor::fromHsl(120, 255, 128));
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh fresh AC 2 4"));
        wheel->SetMargins(margins = QMargins(5, 6, 7, 8));
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh fresh AC 3 5"));
        // A paint draws the ring, then the triangle, both at the origin, and nothing else.
        if (wheel->devicePixelRatioF() == ratio) {
            QImage expected(wheel->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            expected.setDevicePixelRatio(ratio);
            expected.fill(wheel->palette().color(QPalette::Window)); // the grab's background
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, Inside(*wheel).ring);
            painter.drawPixmap(0, 0, Inside(*wheel).triangle);
            painter.end();
            angle->hide();
            color->hide(); // each shows again when its next image is in
            QCOMPARE(wheel->grab().toImage().convertToFormat(expected.format()), expected);
        }
        wheel->resize(30, 30); // room for the ring only
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("fresh none A- 4 6"));
        wheel->SetMargins(margins = QMargins(20, 20, 20, 20)); // room for nothing
        QTRY_VERIFY(Settled(*wheel));
        QCOMPARE(seen(), QStringLiteral("none none -- 5 7"));
    }

    // "marker H S L key" (A the hue marker, K the other) → "H S L | signals, triangle renders | the
    // shortcut-override query taken or passed [focus lost]". Steps wrap the hue and stop at 0 and 255;
    // at lightness 0 or 255 saturation keys do nothing; keys ignore modifiers; Escape drops focus.
    void keys_data()
    {
        bvtest::Rows({ { "A 10 100 100 Right", "11 100 100 | 1 1 | taken" },
            { "A 359 100 100 Shift+Up", "0 100 100 | 1 1 | taken" },
            { "A 0 100 100 Left", "359 100 100 | 1 1 | taken" },
            { "A 10 0 100 Down", "9 0 100 | 1 1 | taken" },
            { "A 350 100 100 PageUp", "5 100 100 | 1 1 | taken" },
            { "A 10 100 100 PageDown", "355 100 100 | 1 1 | taken" },
            { "K 10 100 100 Ctrl+Right", "10 101 100 | 1 0 | taken" },
            { "K 10 1 100 Left", "10 0 100 | 1 0 | taken" }, { "K 10 0 100 Left", "10 0 100 | 0 0 | taken" },
            { "K 10 255 100 Right", "10 255 100 | 0 0 | taken" },
            { "K 10 100 0 Right", "10 100 0 | 0 0 | taken" },
            { "K 10 100 255 Left", "10 100 255 | 0 0 | taken" },
            { "K 10 100 100 Up", "10 100 101 | 1 0 | taken" },
            { "K 10 100 255 Up", "10 100 255 | 0 0 | taken" },
            { "K 10 100 0 Down", "10 100 0 | 0 0 | taken" },
            { "K 10 100 100 PageUp", "10 100 116 | 1 0 | taken" },
            { "K 10 100 100 PageDown", "10 100 84 | 1 0 | taken" },
            { "K 10 100 100 Home", "10 100 100 | 0 0 | passed" },
            { "A 10 100 100 Escape", "10 100 100 | 0 0 | passed lost" } });
    }

    void keys()
    {
        QFETCH(QString, input);
        const QStringList w = input.split(QLatin1Char(' '));
        BVColorWheel wheel;
        wheel.resize(300, 300);
        wheel.SetColor(QColor::fromHsl(w[1].toInt(), w[2].toInt(), w[3].toInt()));
        QVERIFY(bvtest::ShowActive(&wheel));
        QTRY_VERIFY(Settled(wheel));
        QToolButton* focused = Marker(&wheel, w[0] == QLatin1String("A") ? "ANGLECONTROL" : "COLORCONTROL");
        focused->setFocus();
        const int renders = Inside(wheel).triangleRenders;
        QSignalSpy changed(&wheel, &BVColorWheel::ColorChanged);
        const QString name = w[4].section(QLatin1Char('+'), -1); // after Shift+ or Ctrl+, if any
        const Qt::KeyboardModifiers modifiers = w[4].startsWith(QLatin1String("Shift")) ? Qt::ShiftModifier
            : w[4].startsWith(QLatin1String("Ctrl"))                                    ? Qt::ControlModifier
                                                                                        : Qt::NoModifier;
        const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable(QStringLiteral("Key_") + name));
        QKeyEvent query(QEvent::ShortcutOverride, key, modifiers);
        query.ignore();
        QApplication::sendEvent(focused, &query);
        const bool early = !focused->hasFocus(); // a host shortcut on the key would now fire instead
        QTest::keyClick(focused, Qt::Key(key), modifiers);
        const QColor c = wheel.GetColor();
        QTEST(QString::asprintf("%d %d %d | %d %d | %s%s%s", c.hslHue(), c.hslSaturation(), c.lightness(),
                  int(changed.count()), Inside(wheel).triangleRenders - renders,
                  query.isAccepted() ? "taken" : "passed", focused->hasFocus() ? "" : " lost",
                  early ? " early" : ""),
            "expected");
    }

private:
    std::unique_ptr<bvtest::MessageCatcher> m_catcher;
};

QTEST_MAIN(tst_BVColorWheel)
#include "tst_bvcolorwheel.moc"
