#include "TestSupport.h"

#include <BVColorControl.h>
#include <BVColorEditor.h>
#include <BVColorWheel.h>
#include <BVColorWidget.h>

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtEndian>
#include <QtTest>

namespace {

template <typename T> T* Child(const QObject* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}
QComboBox* Spaces(const QObject* panel)
{
    return Child<QComboBox>(panel, "m_pColorSpace");
}
QLineEdit* Entry(const QObject* panel)
{
    return Child<QLineEdit>(panel, "m_pWebEditor");
}
QRgb Editor(const QObject* panel)
{
    return Child<BVColorEditor>(panel, "m_pColorEditor")->GetColor().rgb();
}

// The color of a swatch's solid icon.
QRgb Shown(const QAbstractButton* button)
{
    const QIcon icon = button->icon();
    return icon.pixmap(icon.availableSizes().value(0)).toImage().pixel(2, 2);
}

// Every swatch is named "COLOR": the recent ones (slots 2 to 9) are found through their layouts.
QAbstractButton* Swatch(const QObject* panel, int slot)
{
    QLayoutItem* item = slot == 2 ? Child<QVBoxLayout>(panel, "verticalLayout")->itemAt(1)
        : slot == 3               ? Child<QGridLayout>(panel, "gridLayout")->itemAtPosition(1, 0)
                                  : Child<QHBoxLayout>(panel, "horizontalLayout")->itemAt(slot - 4);
    return qobject_cast<QAbstractButton*>(item->widget());
}

QRgb ControlForeground(const QObject* panel)
{
    for (QToolButton* button : Child<BVColorControl>(panel, "m_pColorControl")->findChildren<QToolButton*>())
        if (button->objectName() == QLatin1String("COLOR") && button->pos().isNull())
            return Shown(button);
    return 0;
}

// Each channel's high nibble repeated: what three hexadecimal digits can name.
QRgb Reduced(QRgb rgb)
{
    return 0xff000000 | (rgb & 0xf0f0f0) | ((rgb & 0xf0f0f0) >> 4);
}

QVector<QColor> Saved(const BVColorWidget& panel)
{
    QDataStream stream(panel.Save());
    QString header;
    qint32 colorSpace;
    stream >> header >> colorSpace;
    QVector<QColor> colors(10);
    for (QColor& color : colors)
        stream >> color;
    return colors;
}

QByteArray NewPanelState(qint32 colorSpace = 0)
{
    QByteArray bytes = QByteArray::fromHex("00000022");
    for (const QChar ch : QStringLiteral("BVColorWidget 1.0"))
        bytes.append('\0').append(char(ch.unicode()));
    bytes += QByteArray(4, '\0');
    qToBigEndian(colorSpace, bytes.data() + 38);
    const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
    bytes += black + QByteArray::fromHex("01ffffffffffffffff0000");
    for (int i = 0; i < 8; ++i)
        bytes += black;
    return bytes;
}

// Both signals in emission order, as "F" or "B" with the color.
struct Recorder {
    explicit Recorder(BVColorWidget& panel)
    {
        QObject::connect(&panel, &BVColorWidget::ForegroundChanged, [this](const QColor& c) { Add('F', c); });
        QObject::connect(&panel, &BVColorWidget::BackgroundChanged, [this](const QColor& c) { Add('B', c); });
    }
    void Add(char which, const QColor& color)
    {
        order += QLatin1Char(which);
        colors << color;
    }
    QString order;
    QVector<QColor> colors;
};

} // namespace

class TestBVColorWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }

    void newPanel()
    {
        BVColorWidget panel;
        QCOMPARE(panel.windowTitle(), QStringLiteral("Color widget"));
        QCOMPARE(Spaces(&panel)->currentText(), QStringLiteral("RGB"));
        QVERIFY(Entry(&panel)->isHidden());
        QCOMPARE(panel.Save(), NewPanelState());
        QCOMPARE(panel.Save().size(), 152);

        bvtest::InstallEmptyTheme(); // a host without the picker image: no icon, and nothing logged
        bvtest::MessageCatcher catcher;
        delete new BVColorWidget;
        bvtest::InstallTheme();
        QCOMPARE(catcher.Messages(), QStringList());
    }

    void restoreRoundTrip()
    {
        BVColorWidget source;
        source.SetForeground(QColor::fromHsl(200, 100, 50));
        source.SetBackground(QColor(1, 2, 3, 4));
        source.SetRecentPicker(QColor::fromHsv(10, 20, 30));
        source.SetRecentColor(QColor::fromCmyk(5, 6, 7, 8));
        source.SetRecentColor(QColor());
        Spaces(&source)->setCurrentIndex(2);

        BVColorWidget panel;
        Recorder recorder(panel);
        QVERIFY(panel.Restore(source.Save()));
        QCOMPARE(panel.Save(), source.Save());
        QCOMPARE(panel.GetForeground(), QColor::fromHsl(200, 100, 50));
        QCOMPARE(recorder.order, QString());
        QVERIFY(!Entry(&panel)->isHidden());
        QCOMPARE(Editor(&panel), Reduced(QColor::fromHsl(200, 100, 50).rgb()));

        // Leaving Web before the panel is first shown hides the entry for good.
        QVERIFY(panel.Restore(NewPanelState()));
        panel.show();
        QVERIFY(!Entry(&panel)->isVisible());
    }

    void restoreAnyBytes()
    {
        QVector<QByteArray> refused = { QByteArray() };
        for (int i = 0; i < 38; ++i) {
            refused << NewPanelState() << NewPanelState();
            refused[refused.size() - 2][i] = char(refused[refused.size() - 2][i] ^ 0x01);
            refused.last()[i] = char(refused.last()[i] ^ 0x80);
            refused << NewPanelState().left(i);
        }
        BVColorWidget panel;
        panel.SetForeground(Qt::red);
        const QByteArray before = panel.Save();
        Recorder recorder(panel);
        for (const QByteArray& state : refused) {
            QVERIFY2(!panel.Restore(state), state.toHex().constData());
            QCOMPARE(panel.Save(), before);
        }
        QCOMPARE(recorder.order, QString());

        // Cut short after the header: a field that is not all there reads as zero.
        QByteArray full = NewPanelState(1);
        for (int offset = 42; offset < 152; offset += 11)
            full.replace(offset, 11, QByteArray::fromHex("03123456789abcdef01234"));
        QVector<int> fieldEnds = { 38, 42 };
        for (int offset = 42; offset < 152; offset += 11)
            fieldEnds << offset + 1 << offset + 3 << offset + 5 << offset + 7 << offset + 9 << offset + 11;
        for (int length = 38; length < 152; ++length) {
            QByteArray expected = full;
            for (int i = 1; i < fieldEnds.size(); ++i)
                if (fieldEnds[i] > length)
                    expected.replace(fieldEnds[i - 1], fieldEnds[i] - fieldEnds[i - 1],
                        QByteArray(fieldEnds[i] - fieldEnds[i - 1], '\0'));
            BVColorWidget cut;
            QVERIFY(cut.Restore(full.left(length)));
            QCOMPARE(cut.Save(), expected);
        }

        // Any bytes after a good header are taken over as they are, except a
        // color spec QColor does not know, which reads as an invalid color.
        QRandomGenerator random(20240517);
        for (int round = 0; round < 40; ++round) {
            QByteArray state = NewPanelState().left(38);
            while (state.size() < 152)
                state.append(char(random.bounded(256)));
            QByteArray expected = state;
            for (int offset = 42; offset < 152; offset += 11)
                if (qint8(state[offset]) < QColor::Invalid || qint8(state[offset]) > QColor::ExtendedRgb)
                    expected[offset] = char(QColor::Invalid);
            BVColorWidget noisy;
            QVERIFY(noisy.Restore(state));
            QCOMPARE(noisy.Save(), expected);
        }
    }

    void restoreUnknownColorSpace_data()
    {
        QTest::addColumn<int>("colorSpace");
        QTest::addColumn<int>("startSpace");
        QTest::newRow("3 from RGB") << 3 << 0;
        QTest::newRow("-1 from Web") << -1 << 2;
        QTest::newRow("max from HSL") << std::numeric_limits<int>::max() << 1;
        QTest::newRow("min from Web") << std::numeric_limits<int>::min() << 2;
    }

    void restoreUnknownColorSpace()
    {
        QFETCH(int, colorSpace);
        QFETCH(int, startSpace);
        BVColorWidget panel;
        Spaces(&panel)->setCurrentIndex(startSpace);
        QVERIFY(panel.Restore(NewPanelState(colorSpace)));
        QCOMPARE(Spaces(&panel)->currentIndex(), -1);
        QVERIFY(Entry(&panel)->isHidden());
        QCOMPARE(panel.Save(), NewPanelState(colorSpace));

        // Colors still change and are announced; the children stay until an item is chosen.
        QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
        panel.SetForeground(QColor(10, 20, 30));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(Editor(&panel), qRgb(0, 0, 0));
        Spaces(&panel)->setCurrentIndex(0);
        QCOMPARE(Editor(&panel), qRgb(10, 20, 30));
        QCOMPARE(ControlForeground(&panel), qRgb(10, 20, 30));
    }

    void wheelDrag_data()
    {
        QTest::addColumn<int>("colorSpace");
        QTest::newRow("RGB") << 0;
        QTest::newRow("Web") << 2;
    }

    void wheelDrag()
    {
        QFETCH(int, colorSpace);
        BVColorWidget panel;
        auto* wheel = Child<BVColorWheel>(&panel, "m_pColorWheel");
        Spaces(&panel)->setCurrentIndex(colorSpace);
        panel.SetForeground(QColor::fromHsl(0, 255, 128));
        panel.show();
        QTRY_VERIFY(Child<QWidget>(wheel, "ANGLECONTROL")->isVisible());
        QTRY_VERIFY(Child<QWidget>(wheel, "COLORCONTROL")->isVisible());

        // The wheel's square right of the 16-pixel margin; r is the middle of the 22-pixel ring.
        QRect square = wheel->rect().adjusted(16, 0, 0, 0);
        const int side = qMin(square.width(), square.height()), r = side / 2 - 11;
        square = QRect(square.center() - QPoint(side / 2, side / 2), QSize(side, side));
        square.moveTo(qMax(square.left(), 16), qMax(square.top(), 0));
        const QPoint c = square.center();

        QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
        QSignalSpy wheelSpy(wheel, &BVColorWheel::ColorChanged);
        QTest::mousePress(wheel, Qt::LeftButton, {}, c + QPoint(0, r));
        for (const QPoint& pos : { c + QPoint(0, r + 5), c + QPoint(-r, 0), c + QPoint(0, -r) }) {
            QMouseEvent move(
                QEvent::MouseMove, pos, wheel->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(wheel, &move);
        }
        QTest::mouseRelease(wheel, Qt::LeftButton, {}, c + QPoint(0, -r));

        QCOMPARE(spy.count(), 3);
        QCOMPARE(wheelSpy.count(), 3); // nothing written back to the wheel
        for (int i = 0; i < 3; ++i)
            QCOMPARE(spy.at(i).at(0).value<QColor>(), QColor::fromHsl(90 * (i + 1), 255, 128));
        const QColor last = QColor::fromHsl(270, 255, 128);
        QCOMPARE(wheel->GetColor(), last);
        const QRgb shown = colorSpace == 2 ? Reduced(last.rgb()) : last.rgb();
        QCOMPARE(ControlForeground(&panel), shown);
        QCOMPARE(Editor(&panel), shown);
    }

    void webEntry()
    {
        BVColorWidget panel;
        panel.SetForeground(QColor(0x12, 0x34, 0x56));
        QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
        for (int space : { 1, 0, 2 })
            Spaces(&panel)->setCurrentIndex(space);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(panel.GetForeground(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(Entry(&panel)->text(), QStringLiteral("#135"));
        QCOMPARE(ControlForeground(&panel), qRgb(0x11, 0x33, 0x55));
        QCOMPARE(Editor(&panel), qRgb(0x11, 0x33, 0x55));

        // Digits are read right-aligned while typing, and the text is left as typed.
        panel.show();
        Entry(&panel)->clear();
        Entry(&panel)->setCursorPosition(1);
        QCOMPARE(spy.takeFirst().at(0).value<QColor>(), QColor(Qt::black));
        const QColor typed[] = { QColor(0, 0, 255), QColor(0, 255, 136), QColor(255, 136, 0) };
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(Entry(&panel), "f80"[i]);
            QCOMPARE(Entry(&panel)->text(), QStringLiteral("#f80").left(i + 2));
            QCOMPARE(spy.takeFirst().at(0).value<QColor>(), typed[i]);
        }
        Entry(&panel)->selectAll();
        QTest::keyClick(Entry(&panel), Qt::Key_Delete);
        QCOMPARE(spy.takeFirst().at(0).value<QColor>(), QColor(Qt::black));
        QCOMPARE(spy.count(), 0);

        panel.SetForeground(QColor(Qt::black).toHsl()); // the same color in another spec is a change
        QCOMPARE(spy.count(), 1);
    }

    void swapAndReset_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("button"); // the control's button to click
        QTest::addColumn<QString>("order");
        QTest::addColumn<QVector<QColor>>("colors");
        const QColor red(Qt::red), blue(Qt::blue), black(Qt::black), white(Qt::white);
        QTest::newRow("swap") << red << blue << "m_pSwap"
                              << "FB" << QVector<QColor> { blue, red };
        QTest::newRow("swap equal") << red << red << "m_pSwap"
                                    << "" << QVector<QColor>();
        QTest::newRow("reset") << red << blue << "m_pReset"
                               << "FB" << QVector<QColor> { black, white };
        QTest::newRow("reset foreground") << red << white << "m_pReset"
                                          << "F" << QVector<QColor> { black };
        QTest::newRow("reset background") << black << blue << "m_pReset"
                                          << "B" << QVector<QColor> { white };
        QTest::newRow("reset nothing") << black << white << "m_pReset"
                                       << "" << QVector<QColor>();
    }

    void swapAndReset()
    {
        QFETCH(QColor, foreground);
        QFETCH(QColor, background);
        QFETCH(QString, button);
        QFETCH(QString, order);
        QFETCH(QVector<QColor>, colors);
        for (const bool click : { false, true }) {
            BVColorWidget panel;
            panel.SetForeground(foreground);
            panel.SetBackground(background);
            panel.show();
            Child<BVColorEditor>(&panel, "m_pColorEditor")
                ->SetColor(Qt::green); // shows whether colors are pushed
            Recorder recorder(panel);
            if (click)
                QTest::mouseClick(Child<QToolButton>(&panel, qPrintable(button)), Qt::LeftButton);
            else if (button == QLatin1String("m_pSwap"))
                panel.SwapColors();
            else
                panel.ResetColors();
            QCOMPARE(recorder.order, order);
            QCOMPARE(recorder.colors, colors);
            const bool pushed = button == QLatin1String("m_pReset") || !order.isEmpty();
            QCOMPARE(Editor(&panel) == panel.GetForeground().rgb(), pushed);
        }
    }

    void signalPrecedesUpdate()
    {
        BVColorWidget panel;
        QVector<QRgb> seen;
        connect(&panel, &BVColorWidget::ForegroundChanged,
            [&] { seen << panel.GetForeground().rgb() << Editor(&panel) << ControlForeground(&panel); });
        panel.SetForeground(QColor(1, 2, 3));
        panel.SwapColors();
        panel.ResetColors();
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), c = qRgb(1, 2, 3);
        QCOMPARE(seen, (QVector<QRgb> { c, black, black, white, c, c, black, white, white }));
    }

    void recentList()
    {
        BVColorWidget panel;
        QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
        const QColor red(Qt::red), black(Qt::black);
        const QVector<QColor> blacks(5, black);
        for (const auto& step : { qMakePair(red, QVector<QColor> { red, black } + blacks),
                 qMakePair(black, QVector<QColor> { black, red } + blacks),
                 qMakePair(red, QVector<QColor> { red, black } + blacks),
                 qMakePair(red, QVector<QColor> { red, black } + blacks) }) {
            panel.SetRecentColor(step.first);
            QCOMPARE(Saved(panel).mid(3), step.second);
        }
        QVector<QColor> added;
        for (int i = 1; i <= 8; ++i)
            panel.SetRecentColor(*added.insert(added.begin(), QColor(i, i, i)));
        QCOMPARE(Saved(panel).mid(3), added.mid(0, 7));
        QCOMPARE(Shown(Swatch(&panel, 9)), qRgb(2, 2, 2));
        panel.SetRecentPicker(panel.GetForeground());
        QCOMPARE(Shown(Swatch(&panel, 2)), qRgb(0, 0, 0));
        QCOMPARE(spy.count(), 0);
    }

    void recentClick_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<int>("colorSpace");
        QTest::newRow("holds the foreground") << QColor(0x12, 0x34, 0x56) << 0;
        QTest::newRow("other color") << QColor(Qt::red) << 0;
        QTest::newRow("other color, Web") << QColor(Qt::red) << 2;
    }

    void recentClick()
    {
        QFETCH(QColor, foreground);
        QFETCH(int, colorSpace);
        const QColor color(0x12, 0x34, 0x56);
        BVColorWidget panel;
        for (const QColor& c : { color, QColor(Qt::cyan), QColor(Qt::yellow) })
            panel.SetRecentColor(c); // color ends in slot 5, m_pLastColor2
        panel.SetForeground(foreground);
        Spaces(&panel)->setCurrentIndex(colorSpace);
        panel.show();
        const QVector<QColor> before = Saved(panel);
        QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
        QTest::mouseClick(Swatch(&panel, 5), Qt::LeftButton);
        QCOMPARE(spy.count(), foreground == color ? 0 : 1);
        QCOMPARE(panel.GetForeground(), color); // stored, not reduced
        QCOMPARE(Saved(panel).mid(2), before.mid(2));
        QCOMPARE(Editor(&panel), colorSpace == 2 ? Reduced(color.rgb()) : color.rgb());
    }

    void recentDisplay_data()
    {
        QTest::addColumn<int>("colorSpace");
        QTest::addColumn<bool>("gray");
        QTest::addColumn<QRgb>("shown");
        QTest::newRow("RGB") << 0 << false << qRgb(0x12, 0x34, 0x56);
        QTest::newRow("Web") << 2 << false << qRgb(0x11, 0x33, 0x55);
        QTest::newRow("RGB gray") << 0 << true << qRgb(45, 45, 45);
        QTest::newRow("Web gray") << 2 << true << qRgb(44, 44, 44); // reduced, then gray
    }

    void recentDisplay()
    {
        QFETCH(int, colorSpace);
        QFETCH(bool, gray);
        QFETCH(QRgb, shown);
        BVColorWidget panel;
        panel.SetRecentColor(QColor(0x12, 0x34, 0x56));
        panel.SetForeground(Qt::red);
        Spaces(&panel)->setCurrentIndex(colorSpace);
        panel.SetMode(gray ? BVColorWidget::Grayscale : BVColorWidget::Color);
        QCOMPARE(Shown(Swatch(&panel, 3)), shown);
        QCOMPARE(ControlForeground(&panel), gray ? qRgb(87, 87, 87) : qRgb(255, 0, 0));
        QCOMPARE(panel.GetForeground(), QColor(Qt::red));
    }

    void destroyWhileBusy()
    {
        auto* panel = new BVColorWidget;
        int changes = 0;
        connect(panel, &BVColorWidget::ForegroundChanged, [&changes] { ++changes; });
        Spaces(panel)->setCurrentIndex(2);
        panel->show();
        panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(panel));
        Entry(panel)->setFocus();
        QTRY_VERIFY(Entry(panel)->hasFocus());
        panel->SetForeground(Qt::blue); // starts a triangle render
        delete panel;
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(changes, 1);
    }
};

QTEST_MAIN(TestBVColorWidget)
#include "tst_bvcolorwidget.moc"
