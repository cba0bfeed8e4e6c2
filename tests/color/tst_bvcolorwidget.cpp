#include "TestSupport.h"

#include <BVColorControl.h>
#include <BVColorEditor.h>
#include <BVColorWheel.h>
#include <BVColorWidget.h>

#include <QComboBox>
#include <QDataStream>
#include <QGridLayout>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

using Panel = std::unique_ptr<BVColorWidget>;

template <typename T> T* Child(const QObject* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Every swatch is named "COLOR", so the recent ones are found through their layouts (slots 2 to 9).
QToolButton* Swatch(const BVColorWidget& panel, int slot)
{
    QWidget* button = nullptr;
    if (slot == 2)
        button = Child<QVBoxLayout>(&panel, "verticalLayout")->itemAt(1)->widget();
    else if (slot == 3)
        button = Child<QGridLayout>(&panel, "gridLayout")->itemAtPosition(1, 0)->widget();
    else
        button = Child<QHBoxLayout>(&panel, "horizontalLayout")->itemAt(slot - 4)->widget();
    return qobject_cast<QToolButton*>(button);
}

QColor Shown(const QAbstractButton* button)
{
    const QIcon icon = button->icon();
    if (icon.availableSizes().isEmpty())
        return QColor();
    const QImage image = icon.pixmap(icon.availableSizes().first()).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

QColor ControlForeground(const BVColorWidget& panel)
{
    for (QToolButton* button : Child<BVColorControl>(&panel, "m_pColorControl")->findChildren<QToolButton*>())
        if (button->objectName() == QLatin1String("COLOR") && button->pos() == QPoint(0, 0))
            return Shown(button);
    return QColor();
}

QVector<QColor> Slots(const BVColorWidget& panel)
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

// Three-digit web form: each channel's high nibble repeated.
QRgb Reduced(QRgb rgb)
{
    return 0xff000000 | (rgb & 0xf0f0f0) | ((rgb & 0xf0f0f0) >> 4);
}

QByteArray NewPanelState()
{
    QByteArray bytes = QByteArray::fromHex("00000022");
    for (const QChar ch : QStringLiteral("BVColorWidget 1.0"))
        bytes.append('\0').append(char(ch.unicode()));
    bytes += QByteArray::fromHex("00000000");
    const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
    bytes += black + QByteArray::fromHex("01ffffffffffffffff0000");
    for (int i = 0; i < 8; ++i)
        bytes += black;
    return bytes;
}

QByteArray WithColorSpace(QByteArray state, qint32 colorSpace)
{
    qToBigEndian(colorSpace, state.data() + 38);
    return state;
}

// Records both signals in emission order, each as "F" or "B" with the color.
struct Recorder {
    explicit Recorder(BVColorWidget& panel)
    {
        QObject::connect(
            &panel, &BVColorWidget::ForegroundChanged, [this](const QColor& c) { log << qMakePair('F', c); });
        QObject::connect(
            &panel, &BVColorWidget::BackgroundChanged, [this](const QColor& c) { log << qMakePair('B', c); });
    }
    QVector<QPair<char, QColor>> log;
};

} // namespace

class TestBVColorWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { bvtest::InstallTheme(); }
    void newPanel();
    void restoreRoundTrip();
    void restoreRefused();
    void restoreTruncated();
    void restoreRandomTail();
    void restoreUnknownColorSpace_data();
    void restoreUnknownColorSpace();
    void wheelDrag_data();
    void wheelDrag();
    void hexEntry();
    void webShowsReducedColors();
    void swapAndReset_data();
    void swapAndReset();
    void signalPrecedesUpdate();
    void recentList();
    void recentClick_data();
    void recentClick();
    void recentDisplay_data();
    void recentDisplay();
    void destroyWhileBusy();
};

void TestBVColorWidget::newPanel()
{
    BVColorWidget panel;
    QCOMPARE(panel.objectName(), QStringLiteral("ColorWidget"));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Color widget"));
    QCOMPARE(panel.GetForeground(), QColor(Qt::black));
    QCOMPARE(panel.GetBackground(), QColor(Qt::white));
    QCOMPARE(panel.GetMode(), BVColorWidget::Color);
    QComboBox* spaces = Child<QComboBox>(&panel, "m_pColorSpace");
    QCOMPARE(spaces->currentText(), QStringLiteral("RGB"));
    QCOMPARE(spaces->itemText(2), QStringLiteral("Web"));
    QVERIFY(Child<QLineEdit>(&panel, "m_pWebEditor")->isHidden());
    QCOMPARE(panel.findChildren<QToolButton*>(QStringLiteral("COLOR")).size(), 10); // with the control's two
    QCOMPARE(panel.Save(), NewPanelState());
    QCOMPARE(panel.Save().size(), 152);
}

void TestBVColorWidget::restoreRoundTrip()
{
    BVColorWidget source;
    source.SetForeground(QColor::fromHsl(200, 100, 50));
    source.SetBackground(QColor(1, 2, 3, 4));
    source.SetRecentPicker(QColor::fromHsv(10, 20, 30));
    source.SetRecentColor(QColor::fromCmyk(5, 6, 7, 8));
    source.SetRecentColor(QColor());
    Child<QComboBox>(&source, "m_pColorSpace")->setCurrentIndex(2);

    BVColorWidget panel;
    Recorder recorder(panel);
    QVERIFY(panel.Restore(source.Save()));
    QCOMPARE(panel.Save(), source.Save());
    QCOMPARE(panel.GetForeground(), QColor::fromHsl(200, 100, 50));
    QCOMPARE(panel.GetForeground().spec(), QColor::Hsl);
    QVERIFY(recorder.log.isEmpty());
    // Restored into an RGB panel, the Web state brings the entry and the reduced colors.
    QVERIFY(!Child<QLineEdit>(&panel, "m_pWebEditor")->isHidden());
    QCOMPARE(Child<BVColorEditor>(&panel, "m_pColorEditor")->GetColor().rgb(),
        Reduced(QColor::fromHsl(200, 100, 50).rgb()));

    // Leaving Web before the panel is ever shown still hides the entry.
    QVERIFY(panel.Restore(NewPanelState()));
    panel.show();
    QVERIFY(!Child<QLineEdit>(&panel, "m_pWebEditor")->isVisible());
}

void TestBVColorWidget::restoreRefused()
{
    const QByteArray good = NewPanelState();
    QVector<QByteArray> states = { QByteArray() };
    for (int i = 0; i < 38; ++i) {
        for (const char flip : { '\x01', '\x80' }) {
            QByteArray state = good;
            state[i] = char(state[i] ^ flip);
            states << state;
        }
    }
    for (int length = 0; length < 38; ++length)
        states << good.left(length);

    BVColorWidget panel;
    panel.SetForeground(Qt::red);
    const QByteArray before = panel.Save();
    Recorder recorder(panel);
    for (const QByteArray& state : states) {
        QVERIFY2(!panel.Restore(state), state.toHex().constData());
        QCOMPARE(panel.Save(), before);
    }
    QVERIFY(recorder.log.isEmpty());
}

void TestBVColorWidget::restoreTruncated()
{
    // Every field of the source differs from zero, so a field cut short shows.
    QByteArray full = WithColorSpace(NewPanelState(), 1);
    for (int offset = 42; offset < 152; offset += 11)
        full.replace(offset, 11, QByteArray::fromHex("03123456789abcdef01234"));
    const QVector<int> fieldEnds = [] {
        QVector<int> ends = { 38, 42 };
        for (int record = 0; record < 10; ++record)
            for (const int end : { 1, 3, 5, 7, 9, 11 })
                ends << 42 + 11 * record + end;
        return ends;
    }();

    for (int length = 38; length < 152; ++length) {
        QByteArray expected = full;
        int start = 0;
        for (const int end : fieldEnds) {
            if (end > length)
                expected.replace(start, end - start, QByteArray(end - start, '\0'));
            start = end;
        }
        BVColorWidget panel;
        QVERIFY(panel.Restore(full.left(length)));
        QCOMPARE(panel.Save(), expected);
    }
}

void TestBVColorWidget::restoreRandomTail()
{
    QRandomGenerator random(20240517);
    for (int round = 0; round < 20; ++round) {
        QByteArray state = NewPanelState().left(38);
        for (int i = 38; i < 152; ++i)
            state.append(char(random.bounded(256)));
        BVColorWidget panel;
        QVERIFY(panel.Restore(state));
        QCOMPARE(panel.Save(), state); // the stream carries any bytes through unchanged
    }
}

void TestBVColorWidget::restoreUnknownColorSpace_data()
{
    QTest::addColumn<int>("colorSpace");
    QTest::addColumn<int>("startSpace");
    QTest::newRow("3 from RGB") << 3 << 0;
    QTest::newRow("-1 from Web") << -1 << 2;
    QTest::newRow("max from HSL") << std::numeric_limits<int>::max() << 1;
    QTest::newRow("min from Web") << std::numeric_limits<int>::min() << 2;
}

void TestBVColorWidget::restoreUnknownColorSpace()
{
    QFETCH(int, colorSpace);
    QFETCH(int, startSpace);
    BVColorWidget panel;
    QComboBox* spaces = Child<QComboBox>(&panel, "m_pColorSpace");
    auto* editor = Child<BVColorEditor>(&panel, "m_pColorEditor");
    spaces->setCurrentIndex(startSpace);

    QVERIFY(panel.Restore(WithColorSpace(NewPanelState(), colorSpace)));
    QCOMPARE(spaces->currentIndex(), -1);
    QVERIFY(Child<QLineEdit>(&panel, "m_pWebEditor")->isHidden());
    QCOMPARE(panel.Save(), WithColorSpace(NewPanelState(), colorSpace));

    // Colors still change and are announced, but the children stay as they were.
    QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
    panel.SetForeground(QColor(10, 20, 30));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor->GetColor().rgb(), qRgb(0, 0, 0));

    spaces->setCurrentIndex(0);
    QCOMPARE(editor->GetColor().rgb(), qRgb(10, 20, 30));
    QCOMPARE(ControlForeground(panel), QColor(10, 20, 30));
}

void TestBVColorWidget::wheelDrag_data()
{
    QTest::addColumn<int>("colorSpace");
    QTest::newRow("RGB") << 0;
    QTest::newRow("Web") << 2;
}

void TestBVColorWidget::wheelDrag()
{
    QFETCH(int, colorSpace);
    BVColorWidget panel;
    auto* wheel = Child<BVColorWheel>(&panel, "m_pColorWheel");
    auto* editor = Child<BVColorEditor>(&panel, "m_pColorEditor");
    Child<QComboBox>(&panel, "m_pColorSpace")->setCurrentIndex(colorSpace);
    panel.SetForeground(QColor::fromHsl(0, 255, 128));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTRY_VERIFY(Child<QToolButton>(wheel, "ANGLECONTROL")->isVisible());
    QTRY_VERIFY(Child<QToolButton>(wheel, "COLORCONTROL")->isVisible());

    // The wheel square inside the left margin of 16, and the middle of its 22-pixel ring.
    QRect square = QRect(QPoint(), wheel->size()).adjusted(16, 0, 0, 0);
    const int side = qMin(square.width(), square.height());
    square = QRect(square.center() - QPoint(side / 2, side / 2), QSize(side, side));
    square.moveLeft(qMax(square.left(), 16));
    square.moveTop(qMax(square.top(), 0));
    const QPoint centre = square.center();
    const int radius = side / 2 - 11;

    QSignalSpy foreground(&panel, &BVColorWidget::ForegroundChanged);
    QSignalSpy wheelChanged(wheel, &BVColorWheel::ColorChanged);
    const auto move = [wheel](const QPoint& pos) {
        QMouseEvent event(QEvent::MouseMove, pos, wheel->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(wheel, &event);
    };
    QTest::mousePress(wheel, Qt::LeftButton, {}, centre + QPoint(0, radius));
    move(centre + QPoint(0, radius + 5)); // same hue: nothing
    move(centre + QPoint(-radius, 0));
    move(centre + QPoint(0, -radius));
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, centre + QPoint(0, -radius));

    QCOMPARE(foreground.count(), 3);
    QCOMPARE(wheelChanged.count(), 3); // the panel never wrote the wheel back
    const int hues[] = { 90, 180, 270 };
    for (int i = 0; i < 3; ++i)
        QCOMPARE(foreground.at(i).at(0).value<QColor>(), QColor::fromHsl(hues[i], 255, 128));
    const QColor last = QColor::fromHsl(270, 255, 128);
    QCOMPARE(panel.GetForeground(), last);
    QCOMPARE(wheel->GetColor(), last);
    const QRgb shown = colorSpace == 2 ? Reduced(last.rgb()) : last.rgb();
    QCOMPARE(ControlForeground(panel).rgb(), shown);
    QCOMPARE(editor->GetColor().rgb(), shown);
}

void TestBVColorWidget::hexEntry()
{
    BVColorWidget panel;
    auto* entry = Child<QLineEdit>(&panel, "m_pWebEditor");
    Child<QComboBox>(&panel, "m_pColorSpace")->setCurrentIndex(2);
    panel.show();
    QCOMPARE(entry->text(), QStringLiteral("#000"));
    entry->clear();
    QCOMPARE(entry->text(), QStringLiteral("#"));
    entry->setFocus();
    entry->setCursorPosition(1);

    QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
    const QVector<QPair<char, QColor>> typed
        = { { 'f', QColor(0, 0, 255) }, { '8', QColor(0, 255, 136) }, { '0', QColor(255, 136, 0) } };
    QString text = QStringLiteral("#");
    for (const auto& key : typed) {
        QTest::keyClick(entry, key.first);
        QCOMPARE(entry->text(), text += QLatin1Char(key.first));
        QCOMPARE(spy.takeLast().at(0).value<QColor>(), key.second);
        QCOMPARE(spy.count(), 0);
    }
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
    QCOMPARE(entry->text(), QStringLiteral("#"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(panel.GetForeground(), QColor(Qt::black));
}

void TestBVColorWidget::webShowsReducedColors()
{
    BVColorWidget panel;
    QComboBox* spaces = Child<QComboBox>(&panel, "m_pColorSpace");
    panel.SetForeground(QColor(0x12, 0x34, 0x56));
    QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
    spaces->setCurrentIndex(2);
    QCOMPARE(Child<QLineEdit>(&panel, "m_pWebEditor")->text(), QStringLiteral("#135"));
    QCOMPARE(ControlForeground(panel), QColor(0x11, 0x33, 0x55));
    QCOMPARE(Child<BVColorEditor>(&panel, "m_pColorEditor")->GetColor(), QColor(0x11, 0x33, 0x55));
    spaces->setCurrentIndex(1);
    spaces->setCurrentIndex(0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(panel.GetForeground(), QColor(0x12, 0x34, 0x56));

    // Same color in another spec is a change.
    panel.SetForeground(QColor(0x12, 0x34, 0x56).toHsl());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(panel.GetForeground().spec(), QColor::Hsl);
}

void TestBVColorWidget::swapAndReset_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("button"); // the control's button, or empty for the panel's slot
    QTest::addColumn<QString>("expected"); // signals as F/B, colors in the data below
    QTest::addColumn<QVector<QColor>>("colors");
    const QColor red(Qt::red), blue(Qt::blue), black(Qt::black), white(Qt::white);
    QTest::newRow("swap") << red << blue << QString() << "FB" << QVector<QColor> { blue, red };
    QTest::newRow("swap button") << red << blue << "m_pSwap"
                                 << "FB" << QVector<QColor> { blue, red };
    QTest::newRow("swap equal") << red << red << QString() << "" << QVector<QColor>();
    QTest::newRow("reset") << red << blue << QString() << "FB" << QVector<QColor> { black, white };
    QTest::newRow("reset button") << red << blue << "m_pReset"
                                  << "FB" << QVector<QColor> { black, white };
    QTest::newRow("reset foreground") << red << white << QString() << "F" << QVector<QColor> { black };
    QTest::newRow("reset background") << black << blue << QString() << "B" << QVector<QColor> { white };
    QTest::newRow("reset nothing") << black << white << QString() << "" << QVector<QColor>();
}

void TestBVColorWidget::swapAndReset()
{
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QFETCH(QVector<QColor>, colors);
    const bool swap = QByteArray(QTest::currentDataTag()).startsWith("swap");
    BVColorWidget panel;
    panel.SetForeground(foreground);
    panel.SetBackground(background);
    panel.show();
    // A child out of step shows whether the panel pushed the colors again.
    auto* editor = Child<BVColorEditor>(&panel, "m_pColorEditor");
    editor->SetColor(Qt::green);

    Recorder recorder(panel);
    if (!button.isEmpty())
        QTest::mouseClick(Child<QToolButton>(&panel, button.toLatin1().constData()), Qt::LeftButton);
    else if (swap)
        panel.SwapColors();
    else
        panel.ResetColors();

    QString order;
    for (int i = 0; i < recorder.log.size(); ++i) {
        order += QLatin1Char(recorder.log.at(i).first);
        QCOMPARE(recorder.log.at(i).second, colors.at(i));
    }
    QCOMPARE(order, expected);
    const bool pushed = !swap || !expected.isEmpty();
    QCOMPARE(editor->GetColor() == panel.GetForeground(), pushed);
}

void TestBVColorWidget::signalPrecedesUpdate()
{
    BVColorWidget panel;
    auto* editor = Child<BVColorEditor>(&panel, "m_pColorEditor");
    QVector<QColor> seen;
    connect(&panel, &BVColorWidget::ForegroundChanged,
        [&] { seen << panel.GetForeground() << editor->GetColor() << ControlForeground(panel); });
    panel.SetForeground(QColor(1, 2, 3));
    panel.SwapColors();
    panel.ResetColors();
    const QColor black(Qt::black), white(Qt::white), c(1, 2, 3);
    QCOMPARE(seen, (QVector<QColor> { c, black, black, white, c, c, black, white, white }));
}

void TestBVColorWidget::recentList()
{
    BVColorWidget panel;
    QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
    const QColor red(Qt::red), black(Qt::black);
    const auto recent = [&panel] { return Slots(panel).mid(3); };
    panel.SetRecentColor(red);
    QCOMPARE(recent(), (QVector<QColor> { red, black, black, black, black, black, black }));
    panel.SetRecentColor(black);
    QCOMPARE(recent(), (QVector<QColor> { black, red, black, black, black, black, black }));
    panel.SetRecentColor(red);
    QCOMPARE(recent(), (QVector<QColor> { red, black, black, black, black, black, black }));
    panel.SetRecentColor(red);
    QCOMPARE(recent(), (QVector<QColor> { red, black, black, black, black, black, black }));

    QVector<QColor> added;
    for (int i = 1; i <= 8; ++i) {
        added.prepend(QColor(i, i, i));
        panel.SetRecentColor(added.first());
    }
    QCOMPARE(recent(), added.mid(0, 7));
    QCOMPARE(Shown(Swatch(panel, 9)), QColor(2, 2, 2));
    panel.SetRecentPicker(panel.GetForeground());
    QCOMPARE(Shown(Swatch(panel, 2)), black);
    QCOMPARE(spy.count(), 0);
}

void TestBVColorWidget::recentClick_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<int>("colorSpace");
    QTest::addColumn<bool>("emits");
    QTest::newRow("holds the foreground") << QColor(0x12, 0x34, 0x56) << 0 << false;
    QTest::newRow("other color") << QColor(Qt::red) << 0 << true;
    QTest::newRow("other color, Web") << QColor(Qt::red) << 2 << true;
}

void TestBVColorWidget::recentClick()
{
    QFETCH(QColor, foreground);
    QFETCH(int, colorSpace);
    QFETCH(bool, emits);
    BVColorWidget panel;
    const QColor color(0x12, 0x34, 0x56);
    for (const QColor& c : { color, QColor(Qt::cyan), QColor(Qt::yellow) })
        panel.SetRecentColor(c); // color ends in slot 5, m_pLastColor2
    panel.SetForeground(foreground);
    Child<QComboBox>(&panel, "m_pColorSpace")->setCurrentIndex(colorSpace);
    panel.show();
    const QVector<QColor> before = Slots(panel);

    QSignalSpy spy(&panel, &BVColorWidget::ForegroundChanged);
    QTest::mouseClick(Swatch(panel, 5), Qt::LeftButton);
    QCOMPARE(spy.count(), emits ? 1 : 0);
    QCOMPARE(panel.GetForeground(), color); // the stored color, not the reduced one
    QCOMPARE(Slots(panel).mid(2), before.mid(2));
    QCOMPARE(Child<BVColorEditor>(&panel, "m_pColorEditor")->GetColor(),
        colorSpace == 2 ? QColor(0x11, 0x33, 0x55) : color);
}

void TestBVColorWidget::recentDisplay_data()
{
    QTest::addColumn<int>("colorSpace");
    QTest::addColumn<bool>("gray");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("RGB") << 0 << false << QColor(0x12, 0x34, 0x56);
    QTest::newRow("Web") << 2 << false << QColor(0x11, 0x33, 0x55);
    QTest::newRow("RGB gray") << 0 << true << QColor(45, 45, 45);
    QTest::newRow("Web gray") << 2 << true << QColor(44, 44, 44); // reduced before the gray
}

void TestBVColorWidget::recentDisplay()
{
    QFETCH(int, colorSpace);
    QFETCH(bool, gray);
    QFETCH(QColor, shown);
    BVColorWidget panel;
    panel.SetRecentColor(QColor(0x12, 0x34, 0x56));
    panel.SetForeground(Qt::red);
    Child<QComboBox>(&panel, "m_pColorSpace")->setCurrentIndex(colorSpace);
    panel.SetMode(gray ? BVColorWidget::Grayscale : BVColorWidget::Color);
    QCOMPARE(Shown(Swatch(panel, 3)), shown);
    QCOMPARE(ControlForeground(panel), gray ? QColor(87, 87, 87) : QColor(Qt::red));
    QCOMPARE(panel.GetForeground(), QColor(Qt::red));
}

void TestBVColorWidget::destroyWhileBusy()
{
    auto panel = std::make_unique<BVColorWidget>();
    auto* entry = Child<QLineEdit>(panel.get(), "m_pWebEditor");
    Child<QComboBox>(panel.get(), "m_pColorSpace")->setCurrentIndex(2);
    int changes = 0;
    connect(panel.get(), &BVColorWidget::ForegroundChanged, [&changes] { ++changes; });
    panel->show();
    panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(panel.get()));
    entry->setFocus();
    QTRY_VERIFY(entry->hasFocus());
    panel->SetForeground(Qt::blue); // starts a triangle render
    panel.reset();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(changes, 1);
}

QTEST_MAIN(TestBVColorWidget)
#include "tst_bvcolorwidget.moc"
