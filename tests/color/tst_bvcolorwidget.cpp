#include "TestSupport.h"

#include <BVColorControl.h>
#include <BVColorEditor.h>
#include <BVColorWheel.h>
#include <BVColorWheelRender.h>
#include <BVColorWidget.h>

#include <functional>
#include <map>

namespace {

// "-" is invalid, anything else hex digits.
QColor ParseColor(const QString& s)
{
    return s == QLatin1String("-") ? QColor() : QColor(QLatin1Char('#') + s);
}

// A swatch's color: its icon's, as hex digits.
QString IconColor(const QWidget* button)
{
    const QIcon icon = qobject_cast<const QAbstractButton*>(button)->icon();
    return QColor(icon.pixmap(icon.availableSizes().value(0)).toImage().pixel(2, 2)).name().mid(1);
}

// A saved state: header, color space, foreground and background records (black, white), eight black swatches.
QByteArray State(qint32 colorSpace = 0, const char* colors = "01ffff000000000000000001ffffffffffffffff0000")
{
    QByteArray state = QByteArray::fromHex("00000022");
    for (const char ch : QByteArrayLiteral("BVColorWidget 1.0"))
        state.append('\0').append(ch);
    state += QByteArray::fromHex(QByteArray::number(quint32(colorSpace), 16).rightJustified(8, '0') + colors);
    return state + QByteArray::fromHex("01ffff0000000000000000").repeated(8);
}

// Drags the wheel's hue marker from the bottom of the ring over its left to its top.
void DragHue(BVColorWheel* wheel)
{
    QTRY_VERIFY(wheel->findChild<QWidget*>(QStringLiteral("ANGLECONTROL"))->isVisible());
    // r is the middle of the 22-pixel ring, right of the panel's 16-pixel margin.
    const QRect square = WheelRect(wheel->size(), 1, QMargins(16, 0, 0, 0));
    const QPoint c = square.center();
    const int r = square.width() / 2 - 11;
    QTest::mousePress(wheel, Qt::LeftButton, {}, c + QPoint(0, r));
    for (const QPoint& pos : { c + QPoint(0, r + 5), c + QPoint(-r, 0), c + QPoint(0, -r) })
        bvtest::SendMouse(wheel, QEvent::MouseMove, pos);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, c + QPoint(0, -r));
}

// The panel with its children at hand. Each signal is logged as "F" or "B" and the color, marked "!" if
// the getter does not return it yet.
struct Panel : BVColorWidget {
    Panel()
    {
        connect(this, &BVColorWidget::ForegroundChanged, this, [this](const QColor& c) { Record('F', c); });
        connect(this, &BVColorWidget::BackgroundChanged, this, [this](const QColor& c) { Record('B', c); });
    }
    void Record(char which, const QColor& color)
    {
        const bool stale = (which == 'F' ? GetForeground() : GetBackground()) != color;
        log << QChar::fromLatin1(which) + bvtest::ColorName(color) + QLatin1String(stale ? "!" : "");
    }
    template <typename T> T* Child(const char* name) const { return findChild<T*>(QLatin1String(name)); }
    QComboBox* Spaces() const { return Child<QComboBox>("m_pColorSpace"); }
    QLineEdit* Entry() const { return Child<QLineEdit>("m_pWebEditor"); }
    // "space stored-foreground: editor control-foreground/control-background entry" ("-" while hidden).
    QString Shows() const
    {
        const QWidget* control = Child<BVColorControl>("m_pColorControl");
        return QStringLiteral("%1 %2: %3 %4/%5 %6")
            .arg(QString::number(Spaces()->currentIndex()), bvtest::ColorName(GetForeground()),
                Child<BVColorEditor>("m_pColorEditor")->GetColor().name().mid(1),
                IconColor(control->childAt(5, 5)), IconColor(control->childAt(30, 30)),
                Entry()->isHidden() ? QStringLiteral("-") : Entry()->text());
    }
    // The picker's swatch (slot 2) and the recent ones (3 to 9), found through their layouts.
    QWidget* Swatch(int slot) const
    {
        return slot == 2 ? Child<QVBoxLayout>("verticalLayout")->itemAt(1)->widget()
            : slot == 3  ? Child<QGridLayout>("gridLayout")->itemAtPosition(1, 0)->widget()
                         : Child<QHBoxLayout>("horizontalLayout")->itemAt(slot - 4)->widget();
    }
    QString Swatches() const
    {
        QStringList shown;
        for (int slot = 2; slot <= 9; ++slot)
            shown << IconColor(Swatch(slot));
        return shown.join(QLatin1Char(' ')).remove(QRegularExpression(QStringLiteral("( 000000)+$")));
    }
    QStringList log;
};

} // namespace

class tst_BVColorWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        bvtest::InstallTheme();
        Panel panel;
        QCOMPARE(bvtest::FormChanges(&panel, QStringLiteral("colorwidget.txt")), QString());
        QCOMPARE(panel.Save(), State());
    }

    // A host's steps → the log from "|" on; what the children show; what the swatches show, if
    // given. Steps: fg=, bg=, hsl= (the foreground as HSL), recent=, picker= take a color ("-":
    // invalid); space=N; gray; show; edit= sets the editor's color quietly (green shows whether
    // colors are pushed); swap; reset; click=NAME clicks a child; pick=N clicks swatch N; type=DIGITS
    // types into the emptied entry; drag turns the wheel's hue over 90, 180 and 270 degrees;
    // restore=N restores #1e3946 as HSL (#113344 reduced) over #123456 (#113355) in space N.
    void steps_data()
    {
        bvtest::Rows({ { "|", "; 0 000000: 000000 000000/ffffff -; 000000" },
            { "fg=123456 | space=1 space=0 space=2", "; 2 123456: 113355 113355/ffffff #135" },
            // Digits are read right-aligned while typing, and the text is left as typed.
            { "space=2 show | type=f80 type=",
                "F0000ff F00ff88 Fff8800 F000000; 2 000000: 000000 000000/ffffff #" },
            { "| fg=000000 bg=ffffff hsl=000000 hsl=000000",
                "F000000/hsl; 0 000000/hsl: 000000 000000/ffffff -" },
            { "hsl=ff0101 space=2 show | drag",
                "F80ff01/hsl F01ffff/hsl F8001ff/hsl; 2 8001ff/hsl: 8800ff 8800ff/ffffff #80f" },
            { "fg=ff0000 bg=0000ff show edit=00ff00 | click=m_pSwap edit=00ff00 swap",
                "F0000ff Bff0000 Fff0000 B0000ff; 0 ff0000: ff0000 ff0000/0000ff -" },
            { "fg=ff0000 bg=ff0000 edit=00ff00 | swap", "; 0 ff0000: 00ff00 ff0000/ff0000 -" },
            { "fg=ff0000 bg=0000ff show | click=m_pReset edit=00ff00 reset",
                "F000000 Bffffff; 0 000000: 000000 000000/ffffff -" },
            // The newest first; a color already there moves to the front, from the front it stays;
            // only the seven newest stay; the picker has a swatch of its own.
            { "recent=ff0000 recent=000000 recent=000000",
                "; 0 000000: 000000 000000/ffffff -; 000000 000000 ff0000" },
            { "recent=010101 recent=020202 recent=030303 recent=040404 recent=050505 recent=060606 "
              "recent=070707 recent=080808 picker=090909 | pick=2 pick=9",
                "F090909 F020202; 0 020202: 020202 020202/ffffff -; "
                "090909 080808 070707 060606 050505 040404 030303 020202" },
            // A click sets the stored color, keeps the list's order, and shows it reduced, then gray.
            { "recent=123456 recent=00ffff recent=ffff00 fg=123456 show | pick=5",
                "; 0 123456: 123456 123456/ffffff -; 000000 ffff00 00ffff 123456" },
            { "recent=123456 recent=00ffff recent=ffff00 fg=ff0000 space=2 gray show | pick=5",
                "F123456; 2 123456: 113355 2c2c2c/ffffff #135; 000000 d7d7d7 a7a7a7 2c2c2c" },
            // Invalid colors are stored and reported as given; a second one is no change.
            { "fg=- bg=- fg=- bg=- recent=- picker=- | fg=0c2238",
                "F0c2238; 0 0c2238: 0c2238 0c2238/000000 -" },
            { "| fg=- bg=- fg=- bg=-", "F- B-; 0 -: 000000 000000/000000 -" },
            // Restoring emits nothing and shows the restored space; in an unknown one colors still
            // change and are announced, and the children stay until an item is chosen.
            { "| restore=2", "; 2 1e3946/hsl: 113344 113344/113355 #134" },
            { "restore=2 | fg=0a141e", "F0a141e; 2 0a141e: 001111 001111/113355 #011" },
            { "restore=3 | fg=0a141e", "F0a141e; -1 0a141e: 1e3946 1e3946/123456 -" },
            { "space=1 restore=2147483647 | fg=0a141e", "F0a141e; -1 0a141e: 1e3946 1e3946/123456 -" },
            { "restore=3 fg=0a141e | space=0", "; 0 0a141e: 0a141e 0a141e/123456 -" },
            // Leaving Web before the panel is first shown hides the entry for good.
            { "restore=2 restore=0 show", "; 0 1e3946/hsl: 1e3946 1e3946/123456 -" },
            // A color model byte out of range reads as an invalid color; extended RGB is read back.
            { "restore=0,07ffff1212343456560000053c003400380039ff0000", "; 0 -: 123456 123456/4080bf -" } });
    }

    void steps()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const bvtest::MessageCatcher catcher;
        Panel panel;
        using Arg = const QString&;
        const auto color = ParseColor;
        const std::map<QByteArray, std::function<void(Arg)>> actions = {
            { "|", [&](Arg) { panel.log.clear(); } },
            { "fg", [&](Arg a) { panel.SetForeground(color(a)); } },
            { "bg", [&](Arg a) { panel.SetBackground(color(a)); } },
            { "hsl", [&](Arg a) { panel.SetForeground(color(a).toHsl()); } },
            { "recent", [&](Arg a) { panel.SetRecentColor(color(a)); } },
            { "picker", [&](Arg a) { panel.SetRecentPicker(color(a)); } },
            { "space", [&](Arg a) { panel.Spaces()->setCurrentIndex(a.toInt()); } },
            { "gray", [&](Arg) { panel.SetMode(BVColorWidget::Grayscale); } },
            { "show", [&](Arg) { panel.show(); } },
            { "edit", [&](Arg a) { panel.Child<BVColorEditor>("m_pColorEditor")->SetColor(color(a)); } },
            { "swap", [&](Arg) { panel.SwapColors(); } },
            { "reset", [&](Arg) { panel.ResetColors(); } },
            { "click",
                [&](Arg a) { QTest::mouseClick(panel.Child<QWidget>(qPrintable(a)), Qt::LeftButton); } },
            { "pick", [&](Arg a) { QTest::mouseClick(panel.Swatch(a.toInt()), Qt::LeftButton); } },
            { "type",
                [&](Arg a) {
                    panel.Entry()->clear();
                    panel.Entry()->setCursorPosition(1);
                    QTest::keyClicks(panel.Entry(), a);
                } },
            { "drag", [&](Arg) { DragHue(panel.Child<BVColorWheel>("m_pColorWheel")); } },
            { "restore",
                [&](Arg a) { // "N", or "0,RECORDS" for other foreground and background records
                    const QString colors = a.contains(QLatin1Char(','))
                        ? a.section(QLatin1Char(','), 1)
                        : QStringLiteral("04ffff4e2064643232000001ffff1212343456560000");
                    QVERIFY(panel.Restore(State(a.toInt(), qPrintable(colors))));
                } },
        };
        for (const QString& step : input.split(QLatin1Char(' ')))
            actions.at(step.section(QLatin1Char('='), 0, 0).toLatin1())(step.section(QLatin1Char('='), 1));
        QString observed = panel.log.join(QLatin1Char(' ')) + QStringLiteral("; ") + panel.Shows();
        if (expected.count(QLatin1Char(';')) == 2)
            observed += QStringLiteral("; ") + panel.Swatches();
        QCOMPARE(observed, expected);
        QCOMPARE(catcher.Messages(), QStringList());
    }
};

QTEST_MAIN(tst_BVColorWidget)
#include "tst_bvcolorwidget.moc"