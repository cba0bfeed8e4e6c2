// Mouse events through the window system, so grabs and hit testing work as for a user.
#define QTEST_QPA_MOUSE_HANDLING

#include "BVSplitter.h"
#include "TestSupport.h"

#include <cmath>

namespace {

// The divided widget; the splitter must not pass mouse presses on to it.
struct View : QWidget {
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    int presses = 0;
};

} // namespace

class tst_BVSplitter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "V|H start action" → each position emitted, and the strip's place along its axis. Actions:
    // "set X"; "move DELTA STEPS"; a key sequence sent to another window; "drag A B..." a left drag
    // along the axis in view coordinates; "release X Y" a release whose press the strip never saw,
    // as a host forwarding it would hand it over.
    void moves_data()
    {
        bvtest::Rows({ { "V 0.5 set 7", "1 | 184" }, { "V 0.5 set nan", "0 | -16" },
            { "V 0.5 set -0.0", "0 | -16" }, { "V 0.5 set 0.0505", "0.0505 | -5" }, // placed truncated: -5.9
            { "V 0.9 move 0.25 0", "1 | 184" },
            // A step down from off the grid lands on it via (g - delta) + delta, a bit above 0.3.
            { "V 0.3 move -0.1 10", "0.19999999999999998 | 24" },
            { "V 0.29996 move -0.1 10", "0.30000000000000004 | 44" }, // within the snap below a line
            { "V 0.2999 move -0.1 10", "0.20000000000000004 | 24" },
            // n * p beyond the int range: the grid index is pinned to INT_MAX.
            { "V 1 move -0.25 4294967295", "0.4999999998835847 | 83" }, { "V 0.9 Alt+1", "0 | -16" },
            { "H 0.9 Alt+2", "0.25 | 34" }, { "V 0.9 Alt+3", "0.5 | 84" }, { "H 0.9 Alt+4", "0.75 | 134" },
            { "V 0.9 Alt+5", "1 | 184" },
            // Ten steps: a step down lands on the grid, one up goes from the line below.
            { "V 0.35 Left", "0.30000000000000004 | 44" }, { "V 0.35 Right", "0.4 | 64" },
            { "H 0.35 Left", "| 54" }, { "H 0.5 drag 100 230", "1 | 184" },
            { "H 0.5 drag 100 150 100", "0.75 0.5 | 84" },
            { "V 0.5 drag 90 110", "0.55 | 94" }, // the line follows the pointer, not the grab point
            { "V 0.5 release 90 60", "0.45 | 74" } });
    }

    // Then a right-button drag, which moves nothing. Emitted on a change only, with the strip
    // already in place; positions to the last bit, and never -0.0.
    void moves()
    {
        QFETCH(QString, input);
        const QStringList words = input.split(QLatin1Char(' '));
        const Qt::Orientation orientation = words[0] == QLatin1String("V") ? Qt::Vertical : Qt::Horizontal;
        View view;
        view.resize(200, 200);
        BVSplitter splitter(orientation, &view);
        QCOMPARE(
            splitter.cursor().shape(), orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
        splitter.SetPosition(words[1].toDouble());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QStringList seen;
        QRect placed = splitter.geometry();
        connect(&splitter, &BVSplitter::PositionChanged, this, [&](double position) {
            QVERIFY(!std::signbit(position) && position == splitter.GetPosition());
            seen << QString::number(position, 'g', QLocale::FloatingPointShortest);
            placed = splitter.geometry();
        });
        QWidget elsewhere;
        const QString action = words[2];
        const auto along
            = [&](int at) { return orientation == Qt::Vertical ? QPoint(at, 60) : QPoint(60, at); };
        const QVector<int> points = bvtest::Numbers(words.mid(3).join(QLatin1Char(' ')));
        if (action == QLatin1String("set"))
            splitter.SetPosition(words[3] == QLatin1String("nan") ? qQNaN() : words[3].toDouble());
        else if (action == QLatin1String("move"))
            splitter.MoveSlider(words[3].toDouble(), words[4].toUInt());
        else if (action == QLatin1String("release"))
            bvtest::SendMouse(
                &splitter, QEvent::MouseButtonRelease, splitter.mapFromParent(QPoint(points[0], points[1])));
        else if (action == QLatin1String("drag")) {
            QTest::mousePress(&view, Qt::LeftButton, {}, along(points.first()));
            for (const int point : points.mid(1))
                QTest::mouseMove(&view, along(point));
            QTest::mouseRelease(&view, Qt::LeftButton, {}, along(points.last()));
        } else if (bvtest::ShowActive(&elsewhere)) // the shortcuts are the application's
            QTest::keySequence(&elsewhere, QKeySequence(action));
        for (const QEvent::Type type :
            { QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease })
            bvtest::SendMouse(&splitter, type, QPoint(1, 1) * (type == QEvent::MouseButtonPress ? 0 : 1000),
                Qt::RightButton);
        const int at = orientation == Qt::Vertical ? splitter.x() : splitter.y();
        QTEST(QStringLiteral("%1 | %2").arg(seen.join(QLatin1Char(' '))).arg(at).trimmed(), "expected");
        QCOMPARE(placed, splitter.geometry());
        QCOMPARE(view.presses, 0);
    }

    // A white 5×11 handle, or none, in a view 201 high: the line at x 100 and the handle centred on
    // row 101 invert what is under them, and where the line meets the handle's top row the two cancel.
    void paint()
    {
        for (const QRect handle : { QRect(97, 95, 5, 11), QRect() }) {
            QTemporaryDir theme;
            QImage white(handle.size(), QImage::Format_ARGB32);
            white.fill(Qt::white);
            white.save(theme.filePath(QStringLiteral("preview-splitter-handler.png")));
            white.scaled(handle.size() * 2)
                .save(theme.filePath(QStringLiteral("preview-splitter-handler@2x.png")));
            QDir::setSearchPaths(QStringLiteral("theme"), { theme.path() });
            View view;
            view.setGeometry(0, 0, 200, 201);
            BVSplitter splitter(Qt::Vertical, &view);
            QImage rendered(view.size(), QImage::Format_RGB32);
            rendered.fill(Qt::black);
            view.render(&rendered, {}, {}, QWidget::DrawChildren);
            for (int i = 0; i < rendered.width() * rendered.height(); ++i) {
                const QPoint p(i % rendered.width(), i / rendered.width());
                const bool line = p.x() == 100 && !handle.adjusted(0, 1, 0, 0).contains(p);
                QCOMPARE(rendered.pixelColor(p), QColor(line != handle.contains(p) ? Qt::white : Qt::black));
            }
        }
    }
};

QTEST_MAIN(tst_BVSplitter)
#include "tst_bvsplitter.moc"
