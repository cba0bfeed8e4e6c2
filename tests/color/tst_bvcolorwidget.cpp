#include "FormDump.h"
#include "TestSupport.h"

#include <BVColorControl.h>
#include <BVColorEditor.h>
#include <BVColorWheel.h>
#include <BVColorWheelRender.h>
#include <BVColorWidget.h>

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPointer>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtEndian>
#include <QtTest>

namespace {

// The color of a swatch's solid icon.
QRgb Shown(const QAbstractButton* button)
{
    const QIcon icon = button->icon();
    return icon.pixmap(icon.availableSizes().value(0)).toImage().pixel(2, 2);
}

// The color space field of a saved state: big-endian, after the header.
void PutColorSpace(QByteArray& state, qint32 colorSpace)
{
    char raw[4];
    qToBigEndian(colorSpace, raw);
    state.replace(38, 4, raw, 4);
}

QByteArray NewPanelState(qint32 colorSpace = 0)
{
    QByteArray bytes = QByteArray::fromHex("00000022");
    for (const QChar ch : QStringLiteral("BVColorWidget 1.0"))
        bytes.append('\0').append(char(ch.unicode()));
    bytes += QByteArray(4, '\0');
    PutColorSpace(bytes, colorSpace);
    const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
    bytes += black + QByteArray::fromHex("01ffffffffffffffff0000");
    for (int i = 0; i < 8; ++i)
        bytes += black;
    return bytes;
}

// The panel with its children at hand, logging both signals in emission order as "F" or "B".
struct Panel : BVColorWidget {
    Panel()
    {
        connect(this, &BVColorWidget::ForegroundChanged, this, [this](const QColor& c) { Log('F', c); });
        connect(this, &BVColorWidget::BackgroundChanged, this, [this](const QColor& c) { Log('B', c); });
    }
    void Log(char which, const QColor& color)
    {
        order += QLatin1Char(which);
        colors << color;
        seen << Editor() << Control();
    }
    void Clear() { order.clear(), colors.clear(), seen.clear(); }
    template <typename T> T* Child(const char* name) const { return findChild<T*>(QLatin1String(name)); }
    QComboBox* Spaces() const { return Child<QComboBox>("m_pColorSpace"); }
    QLineEdit* Entry() const { return Child<QLineEdit>("m_pWebEditor"); }
    QRgb Editor() const { return Child<BVColorEditor>("m_pColorEditor")->GetColor().rgb(); }
    QRgb Control() const
    {
        return Shown(qobject_cast<QAbstractButton*>(Child<BVColorControl>("m_pColorControl")->childAt(5, 5)));
    }
    // The picker's swatch (slot 2) and the recent ones (3 to 9), found through their layouts.
    QAbstractButton* Swatch(int slot) const
    {
        QLayoutItem* item = slot == 2 ? Child<QVBoxLayout>("verticalLayout")->itemAt(1)
            : slot == 3               ? Child<QGridLayout>("gridLayout")->itemAtPosition(1, 0)
                                      : Child<QHBoxLayout>("horizontalLayout")->itemAt(slot - 4);
        return qobject_cast<QAbstractButton*>(item->widget());
    }
    // What the recent swatches show, slots 3 to 9.
    QVector<QRgb> Recents() const
    {
        QVector<QRgb> shown;
        for (int slot = 3; slot <= 9; ++slot)
            shown << Shown(Swatch(slot));
        return shown;
    }
    QString order;
    QVector<QColor> colors;
    QVector<QRgb> seen;
};

} // namespace

class tst_BVColorWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void newPanel()
    {
        Panel panel;
        QVERIFY(bvtest::FormMatches(&panel, QStringLiteral("colorwidget.txt")));
        QCOMPARE(panel.Save(), NewPanelState());
        QCOMPARE(panel.Recents() << Shown(panel.Swatch(2)), QVector<QRgb>(8, qRgb(0, 0, 0)));
        bvtest::InstallEmptyTheme(); // a host without the picker image: no icon, and nothing logged
        const bvtest::MessageCatcher catcher;
        delete new BVColorWidget;
        bvtest::InstallTheme();
        QCOMPARE(catcher.Messages(), QStringList());
    }

    void restore_data()
    {
        QTest::addColumn<int>("colorSpace"); // as saved
        QTest::addColumn<int>("startSpace");
        QTest::newRow("Web from RGB") << 2 << 0;
        QTest::newRow("unknown 3 from RGB") << 3 << 0;
        QTest::newRow("unknown -1 from Web") << -1 << 2;
        QTest::newRow("unknown max from HSL") << std::numeric_limits<int>::max() << 1;
    }

    void restore()
    {
        QFETCH(int, colorSpace);
        QFETCH(int, startSpace);
        const QColor foreground = QColor::fromHsl(200, 100, 50);
        Panel source;
        source.SetForeground(foreground);
        source.SetBackground(QColor(1, 2, 3, 4));
        source.SetRecentPicker(QColor::fromHsv(10, 20, 30));
        source.SetRecentColor(QColor::fromCmyk(5, 6, 7, 8));
        source.SetRecentColor(QColor());
        QByteArray state = source.Save();
        PutColorSpace(state, colorSpace);

        Panel panel;
        panel.Spaces()->setCurrentIndex(startSpace);
        panel.Clear();
        QVERIFY(panel.Restore(state));
        QCOMPARE(panel.Save(), state); // every color with its QColor::spec()
        QCOMPARE(panel.GetForeground(), foreground);
        QCOMPARE(panel.order, QString());
        QCOMPARE(panel.Spaces()->currentIndex(), colorSpace == 2 ? 2 : -1);
        QCOMPARE(panel.Entry()->isHidden(), colorSpace != 2);
        QCOMPARE(panel.Editor(),
            startSpace == 2 || colorSpace == 2 ? qRgb(0x11, 0x33, 0x44) : foreground.rgb()); // 1e3946 reduced

        // In an unknown space colors still change and are announced; the children stay until an item is
        // chosen.
        const QRgb restored = panel.Editor(), next = qRgb(10, 20, 30);
        panel.SetForeground(next);
        QCOMPARE(panel.order, QStringLiteral("F"));
        QCOMPARE(panel.seen.value(0), restored); // announced before the children are updated
        QCOMPARE(panel.Editor(), colorSpace == 2 ? qRgb(0x00, 0x11, 0x11) : restored);
        panel.Spaces()->setCurrentIndex(0);
        QCOMPARE(panel.Editor(), next);
        QCOMPARE(panel.Control(), next);

        // Leaving Web before the panel is first shown hides the entry for good.
        QVERIFY(panel.Restore(NewPanelState()));
        panel.show();
        QVERIFY(!panel.Entry()->isVisible());
    }

    // Refused (the panel unchanged) unless the header matches; past it, what is missing reads as zero and
    // the rest is taken as it is, but for a QColor::Spec value QColor does not know (an invalid color).
    void restoreBytes_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("saved"); // empty: refused
        QByteArray full = NewPanelState(1);
        for (int at = 42; at < 152; at += 11)
            full.replace(at, 11, QByteArray::fromHex("03123456789abcdef01234"));
        QByteArray flipped = full, unknownSpec = full, damagedHue = full;
        flipped[37] = char(flipped[37] ^ 0x01);
        unknownSpec[53] = '\x07';
        damagedHue.replace(42, 11, QByteArray::fromHex("04ffffc350ffff80800000")); // HSL, hue 500°
        const auto zeros = [](int n) { return QByteArray(n, '\0'); };
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("header cut") << full.left(37) << QByteArray();
        QTest::newRow("header changed") << flipped << QByteArray();
        QTest::newRow("header only") << full.left(38) << full.left(38) + zeros(114);
        QTest::newRow("space cut") << full.left(41) << full.left(38) + zeros(114);
        QTest::newRow("in a channel") << full.left(50) << full.left(49) + zeros(103);
        QTest::newRow("all") << full << full;
        QTest::newRow("unknown QColor::Spec") << unknownSpec << full.left(53) + zeros(1) + full.mid(54);
        QTest::newRow("damaged hue") << damagedHue << damagedHue;
        // As a Qt 5 build saves a color of each QColor::Spec (HSV with alpha, extended RGB, HSL, CMYK): read
        // on either toolkit and saved back, the bytes stay the same.
        const QByteArray mixed = full.left(42)
            + QByteArray::fromHex("0246464e20646432320000053c003400380039ff0000"
                                  "04ffff753014140a0a000003ffff0101020203030404")
            + full.mid(86);
        QTest::newRow("every QColor::Spec") << mixed << mixed;
    }

    void restoreBytes()
    {
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, saved);
        const bvtest::MessageCatcher catcher;
        Panel panel;
        panel.SetForeground(Qt::red);
        const QByteArray before = panel.Save();
        panel.Clear();
        QCOMPARE(panel.Restore(state), !saved.isEmpty());
        QCOMPARE(panel.Save(), saved.isEmpty() ? before : saved);
        QCOMPARE(panel.order, QString());
        // Working on with a restored color logs nothing: the wheel keeps a hue it can build.
        panel.SetBackground(Qt::blue);
        QVERIFY(panel.Child<BVColorWheel>("m_pColorWheel")->GetColor().hslHue() <= 359);
        QCOMPARE(catcher.Messages(), QStringList());
    }

    void wheelDrag_data()
    {
        QTest::addColumn<int>("colorSpace");
        QTest::addColumn<int>("deleteAt"); // the host deletes the panel (later) from this change on
        QTest::newRow("RGB") << 0 << 0;
        QTest::newRow("Web") << 2 << 0;
        QTest::newRow("deleted during the drag") << 0 << 2;
    }

    void wheelDrag()
    {
        QFETCH(int, colorSpace);
        QFETCH(int, deleteAt);
        QPointer<Panel> panel = new Panel;
        QPointer<BVColorWheel> wheel = panel->Child<BVColorWheel>("m_pColorWheel");
        panel->Spaces()->setCurrentIndex(colorSpace);
        panel->SetForeground(QColor::fromHsl(0, 255, 128));
        panel->show();
        QTRY_VERIFY(wheel->findChild<QWidget*>(QStringLiteral("ANGLECONTROL"))->isVisible());
        connect(panel.data(), &BVColorWidget::ForegroundChanged, [&] {
            if (panel->order.size() == deleteAt)
                panel->deleteLater();
        });

        // r is the middle of the 22-pixel ring, right of the panel's 16-pixel margin.
        const QRect square = WheelRect(wheel->size(), 1, QMargins(16, 0, 0, 0));
        const QPoint c = square.center();
        const int r = square.width() / 2 - 11;
        panel->Clear();
        QSignalSpy wheelSpy(wheel.data(), &BVColorWheel::ColorChanged);
        QTest::mousePress(wheel, Qt::LeftButton, {}, c + QPoint(0, r));
        for (const QPoint& pos : { c + QPoint(0, r + 5), c + QPoint(-r, 0), c + QPoint(0, -r) }) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!wheel)
                break;
            QMouseEvent move(
                QEvent::MouseMove, pos, wheel->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(wheel, &move);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (deleteAt) {
            QVERIFY(!panel);
            QCOMPARE(wheelSpy.count(), deleteAt);
            return;
        }
        QTest::mouseRelease(wheel, Qt::LeftButton, {}, c + QPoint(0, -r));
        const QColor last = QColor::fromHsl(270, 255, 128);
        QCOMPARE(panel->colors,
            (QVector<QColor> { QColor::fromHsl(90, 255, 128), QColor::fromHsl(180, 255, 128), last }));
        QCOMPARE(panel->order, QStringLiteral("FFF"));
        QCOMPARE(wheelSpy.count(), 3); // nothing written back to the wheel
        QCOMPARE(wheel->GetColor(), last);
        const QRgb shown = colorSpace == 2 ? qRgb(0x88, 0x00, 0xff) : last.rgb(); // 8001ff reduced
        QCOMPARE(qMakePair(panel->Control(), panel->Editor()), qMakePair(shown, shown));
        delete panel;
    }

    void webEntry()
    {
        Panel panel;
        panel.SetForeground(QColor(0x12, 0x34, 0x56));
        panel.Clear();
        for (int space : { 1, 0, 2 })
            panel.Spaces()->setCurrentIndex(space);
        QCOMPARE(panel.order, QString());
        QCOMPARE(panel.GetForeground(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(panel.Entry()->text(), QStringLiteral("#135"));
        QCOMPARE(qMakePair(panel.Control(), panel.Editor()),
            qMakePair(qRgb(0x11, 0x33, 0x55), qRgb(0x11, 0x33, 0x55)));

        // Digits are read right-aligned while typing, and the text is left as typed.
        panel.show();
        panel.Entry()->clear();
        panel.Entry()->setCursorPosition(1);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(panel.Entry(), "f80"[i]);
            QCOMPARE(panel.Entry()->text(), QStringLiteral("#f80").left(i + 2));
        }
        panel.Entry()->selectAll();
        QTest::keyClick(panel.Entry(), Qt::Key_Delete);
        const QColor black(Qt::black);
        QCOMPARE(panel.colors,
            QVector<QColor>({ black, QColor(0, 0, 255), QColor(0, 255, 136), QColor(255, 136, 0), black }));

        panel.SetForeground(black.toHsl()); // the same color as another QColor::Spec is a change
        QCOMPARE(panel.order, QStringLiteral("FFFFFF"));
    }

    // By the control's buttons and by the API; the editor is set green to show whether colors are pushed.
    void swapAndReset_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("swap"); // else reset
        QTest::addColumn<QString>("order");
        QTest::addColumn<QVector<QColor>>("colors");
        const QColor red(Qt::red), blue(Qt::blue), black(Qt::black), white(Qt::white);
        QTest::newRow("swap") << red << blue << true << "FB" << QVector<QColor> { blue, red };
        QTest::newRow("swap equal") << red << red << true << "" << QVector<QColor>();
        QTest::newRow("reset") << red << blue << false << "FB" << QVector<QColor> { black, white };
        QTest::newRow("reset foreground") << red << white << false << "F" << QVector<QColor> { black };
        QTest::newRow("reset background") << black << blue << false << "B" << QVector<QColor> { white };
        QTest::newRow("reset nothing") << black << white << false << "" << QVector<QColor>();
    }

    void swapAndReset()
    {
        QFETCH(QColor, foreground);
        QFETCH(QColor, background);
        QFETCH(bool, swap);
        QFETCH(QString, order);
        QFETCH(QVector<QColor>, colors);
        for (const bool click : { false, true }) {
            Panel panel;
            panel.SetForeground(foreground);
            panel.SetBackground(background);
            panel.show();
            panel.Child<BVColorEditor>("m_pColorEditor")->SetColor(Qt::green);
            panel.Clear();
            if (click)
                QTest::mouseClick(panel.Child<QToolButton>(swap ? "m_pSwap" : "m_pReset"), Qt::LeftButton);
            else
                swap ? panel.SwapColors() : panel.ResetColors();
            QCOMPARE(panel.order, order);
            QCOMPARE(panel.colors, colors);
            QCOMPARE(panel.Editor() == panel.GetForeground().rgb(), !swap || !order.isEmpty());
            // Each signal comes before the children are updated.
            for (int i = 0; i < panel.seen.size(); i += 2)
                QCOMPARE(panel.seen.mid(i, 2), (QVector<QRgb> { qRgb(0, 255, 0), foreground.rgb() }));
        }
    }

    // The newest first; a color already there moves to the front, from the front it stays; only the seven
    // newest stay; the picker has a swatch of its own.
    void recentList()
    {
        Panel panel;
        const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0);
        const QVector<QRgb> blacks(5, black);
        for (const auto& step : { qMakePair(red, QVector<QRgb> { red, black } + blacks),
                 qMakePair(black, QVector<QRgb> { black, red } + blacks),
                 qMakePair(black, QVector<QRgb> { black, red } + blacks) }) {
            panel.SetRecentColor(step.first);
            QCOMPARE(panel.Recents(), step.second);
        }
        // Seven different colors tell the swatches apart.
        for (int i = 1; i <= 7; ++i)
            panel.SetRecentColor(QColor(i, i, i));
        QCOMPARE(panel.Recents(),
            (QVector<QRgb> { qRgb(7, 7, 7), qRgb(6, 6, 6), qRgb(5, 5, 5), qRgb(4, 4, 4), qRgb(3, 3, 3),
                qRgb(2, 2, 2), qRgb(1, 1, 1) }));
        panel.SetRecentPicker(QColor(8, 8, 8));
        QCOMPARE(Shown(panel.Swatch(2)), qRgb(8, 8, 8));
        QCOMPARE(panel.order, QString());
        // The first and the last swatch both pick their color.
        QTest::mouseClick(panel.Swatch(2), Qt::LeftButton);
        QTest::mouseClick(panel.Swatch(9), Qt::LeftButton);
        QCOMPARE(panel.colors, (QVector<QColor> { QColor(8, 8, 8), QColor(1, 1, 1) }));
    }

    void recentClick_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<int>("colorSpace");
        QTest::addColumn<bool>("gray");
        QTest::addColumn<QRgb>("shown"); // by the swatch, then by the control
        const QColor red(Qt::red);
        QTest::newRow("holds the foreground")
            << QColor(0x12, 0x34, 0x56) << 0 << false << qRgb(0x12, 0x34, 0x56);
        QTest::newRow("RGB") << red << 0 << false << qRgb(0x12, 0x34, 0x56);
        QTest::newRow("Web") << red << 2 << false << qRgb(0x11, 0x33, 0x55);
        QTest::newRow("RGB gray") << red << 0 << true << qRgb(45, 45, 45);
        QTest::newRow("Web gray") << red << 2 << true << qRgb(44, 44, 44); // reduced, then gray
    }

    void recentClick()
    {
        QFETCH(QColor, foreground);
        QFETCH(int, colorSpace);
        QFETCH(bool, gray);
        QFETCH(QRgb, shown);
        const QColor color(0x12, 0x34, 0x56);
        Panel panel;
        for (const QColor& c : { color, QColor(Qt::cyan), QColor(Qt::yellow) })
            panel.SetRecentColor(c); // color ends in slot 5, m_pLastColor2
        panel.SetForeground(foreground);
        panel.Spaces()->setCurrentIndex(colorSpace);
        panel.SetMode(gray ? BVColorWidget::Grayscale : BVColorWidget::Color);
        panel.show();
        QCOMPARE(Shown(panel.Swatch(5)), shown);
        const QByteArray before = panel.Save();
        panel.Clear();
        QTest::mouseClick(panel.Swatch(5), Qt::LeftButton);
        QCOMPARE(panel.order, QLatin1String(foreground == color ? "" : "F"));
        QCOMPARE(panel.GetForeground(), color); // stored, not reduced
        QCOMPARE(panel.Save().mid(64), before.mid(64)); // picker and recent colors unchanged
        QCOMPARE(panel.Editor(), colorSpace == 2 ? qRgb(0x11, 0x33, 0x55) : color.rgb());
        QCOMPARE(panel.Control(), shown);
    }

    // Stored and reported as given, a second invalid color is no change, they round-trip, and nothing is
    // logged.
    void invalidColors()
    {
        const bvtest::MessageCatcher catcher;
        Panel panel;
        for (int i = 0; i < 2; ++i) {
            panel.SetForeground(QColor());
            panel.SetBackground(QColor());
        }
        panel.SetRecentColor(QColor());
        panel.SetRecentPicker(QColor());
        QCOMPARE(panel.order, QStringLiteral("FB"));
        QVERIFY(!panel.GetForeground().isValid() && !panel.GetBackground().isValid());
        Panel copy;
        QVERIFY(copy.Restore(panel.Save()));
        QCOMPARE(copy.Save(), panel.Save());
        panel.SetForeground(QColor(12, 34, 56));
        QCOMPARE(panel.Editor(), qRgb(12, 34, 56));
        QCOMPARE(catcher.Messages(), QStringList());
    }

    void destroyWhileBusy()
    {
        auto* panel = new Panel;
        int changes = 0;
        connect(panel, &BVColorWidget::ForegroundChanged, [&changes] { ++changes; });
        panel->Spaces()->setCurrentIndex(2);
        panel->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        panel->Entry()->setFocus();
        QVERIFY(panel->Entry()->hasFocus());
        panel->SetForeground(Qt::blue); // starts a triangle render
        delete panel;
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(tst_BVColorWidget)
#include "tst_bvcolorwidget.moc"
