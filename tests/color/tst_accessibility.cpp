// What a screen reader reads from the controls: role, name, value, checked
// state and value-change events, after a step a user or a host takes; and the
// forms' own texts after a language switch.
#include "BVColorControl.h"
#include "BVColorWheel.h"
#include "BVColorWheelSeam.h"
#include "BVColorWidget.h"
#include "BVSpinBox.h"
#include "BVSplitter.h"
#include "FormDump.h"

#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QTranslator>
#include <QtTest>

// Qt delivers accessibility events only while its platform layer is active,
// which offscreen nothing makes it; Qt's own tests switch it on like this.
struct QPlatformAccessibility {
    void setActive(bool active);
};
struct QPlatformIntegration {
    QPlatformAccessibility* accessibility() const;
};
struct QGuiApplicationPrivate {
    static QPlatformIntegration* platform_integration;
};

namespace {

QVariant g_lastChange;

// The first widget under root (root included) that a screen reader finds by name and role.
QAccessibleInterface* Find(QWidget* root, const QString& name, int role)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face->text(QAccessible::Name) == name && face->role() == role)
            return face;
    }
    return nullptr;
}

// Value (a value interface's with its range), description and checked state.
QString Read(QAccessibleInterface* face)
{
    const QAccessibleValueInterface* v = face->valueInterface();
    const QString value = v
        ? QStringLiteral("%1 of %2-%3")
              .arg(v->currentValue().toString(), v->minimumValue().toString(), v->maximumValue().toString())
        : face->text(QAccessible::Value);
    const QAccessible::State state = face->state();
    const char* checked = state.checkable ? (state.checked ? "checked" : "unchecked") : "";
    return value + QLatin1Char('|') + face->text(QAccessible::Description) + QLatin1Char('|')
        + QLatin1String(checked);
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
        // A host may build a wheel before any other control: it brings its interface itself.
        BVColorWheel first;
        QCOMPARE(QAccessible::queryAccessibleInterface(&first)->role(), QAccessible::ColorChooser);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            // Qt's own sliders report too; only ours are of interest.
            if (event->type() == QAccessible::ValueChanged
                && (qobject_cast<BVColorWheel*>(event->object())
                    || qobject_cast<BVSplitter*>(event->object())))
                g_lastChange = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        });
    }
    void reads_data();
    void reads();
    void language();
};

// Texts are UTF-8; event is the last value-change event's value after the step.
void Row(const char* tag, const char* step, const char* name, int role, const QByteArray& reading,
    const QByteArray& event = QByteArray())
{
    QTest::newRow(tag) << QString::fromUtf8(step) << QString::fromUtf8(name) << QString::number(role)
                       << QString::fromUtf8(reading) << QString::fromUtf8(event);
}

void tst_Accessibility::reads_data()
{
    for (const char* column : { "step", "name", "role", "reading", "event" })
        QTest::addColumn<QString>(column);
    const QColor color = QColor::fromHsl(200, 51, 204);
    const QByteArray fg = color.name().toLatin1();
    const QByteArray moved = "hue 10°, saturation 100%, lightness 51%, " // 130 is 50.98 %
        + QColor::fromHsl(10, 255, 130).name().toLatin1();
    const QByteArray black = "#000000|#000000|";
    const int button = QAccessible::Button;
    Row("panel", "", "Color panel", QAccessible::Grouping, "||");
    const QByteArray wheel = "hue 200°, saturation 20%, lightness 80%, " + fg;
    Row("wheel", "", "Color wheel", QAccessible::ColorChooser, wheel + '|' + wheel + '|');
    Row("wheel moved", "wheel", "Color wheel", QAccessible::ColorChooser, moved + '|' + moved + '|', moved);
    Row("hue marker", "", "Hue marker", button, "||");
    Row("color marker", "", "Saturation and lightness marker", button, "||");
    Row("control", "", "Foreground and background colors", QAccessible::Grouping, "||");
    Row("foreground", "", "Foreground color", button, fg + '|' + fg + '|');
    Row("background", "", "Background color", button, "#ffffff|#ffffff|");
    Row("empty swatch", "alone", "Foreground color", button, "Empty|Empty|");
    Row("swap", "", "Swap colors", button, "|Swap colors (X)|");
    Row("reset", "", "Reset colors", button, "|Reset to default (D)|");
    Row("recent 1", "", "Recent color 1", button, black);
    Row("recent 7", "", "Recent color 7", button, black);
    Row("picker", "", "Picked color", button, black);
    Row("recent pressed", "press Recent color 1", "Foreground color", button, black,
        "hue 0°, saturation 0%, lightness 0%, #000000");
    Row("hex", "", "Hexadecimal color", QAccessible::EditableText, "#||");
    Row("red", "", "Red", QAccessible::Slider, QByteArray::number(color.red()) + " of 0-255||");
    Row("blue field", "", "Blue", QAccessible::SpinBox, QByteArray::number(color.blue()) + " of 0-255||");
    Row("splitter", "", "Splitter", QAccessible::Splitter, "50 of 0-100||");
    Row("splitter set", "150", "Splitter", QAccessible::Splitter, "100 of 0-100||", "100");
    Row("host's name", "", "Preview divider", QAccessible::Splitter, "50 of 0-100||");
    Row("popup button", "", "Show slider", button, "||unchecked");
    Row("popup open", "press Show slider", "Show slider", button, "||checked");
    Row("popup slider", "press Show slider", "Opacity", QAccessible::Slider, "40 of 0-99||");
    const QByteArray rad = "Farbton 200°, Sättigung 20 %, Helligkeit 80 %, " + fg;
    Row("german wheel", "de", "Farbrad", QAccessible::ColorChooser, rad + '|' + rad + '|');
    Row("german marker", "de", "Farbtonmarke", button, "||");
    Row("german recent", "de", "Letzte Farbe 3", button, black);
    Row("german empty", "de alone", "Vordergrundfarbe", button, "Leer|Leer|");
}

void tst_Accessibility::reads()
{
    QFETCH(QString, step);
    QWidget root;
    auto* panel = new BVColorWidget(&root);
    panel->SetForeground(QColor::fromHsl(200, 51, 204));
    auto* splitter = new BVSplitter(Qt::Vertical, &root);
    (new BVSplitter(Qt::Horizontal, &root))->setAccessibleName(QStringLiteral("Preview divider"));
    auto* box = new BVSpinBox(&root);
    box->setAccessibleName(QStringLiteral("Opacity"));
    box->setValue(40);
    BVColorControl alone; // never given a color
    QTranslator german;
    if (step.startsWith(QLatin1String("de"))) {
        QVERIFY(german.load(QStringLiteral(BV_GERMAN_QM)));
        QCoreApplication::installTranslator(&german);
        QCoreApplication::processEvents();
    }
    g_lastChange.clear();
    if (step.startsWith(QLatin1String("press ")))
        Find(&root, step.mid(6), QAccessible::Button)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    else if (step == QLatin1String("wheel"))
        panel->findChild<BVColorWheel*>()->SetColor(QColor::fromHsl(10, 255, 130));
    else if (step == QLatin1String("150"))
        QAccessible::queryAccessibleInterface(splitter)->valueInterface()->setCurrentValue(150);
    QFETCH(QString, name);
    QFETCH(QString, role);
    QAccessibleInterface* face
        = Find(step.endsWith(QLatin1String("alone")) ? &alone : &root, name, role.toInt());
    QVERIFY(face);
    QTEST(Read(face), "reading");
    QTEST(g_lastChange.toString(), "event");
}

// Every text of a panel built in English follows a switch to German and back. The switch is
// no edit: the web entry keeps its digits (its retranslation resets it to "#").
void tst_Accessibility::language()
{
    BVColorWidget panel;
    panel.findChild<QComboBox*>()->setCurrentIndex(2);
    panel.SetForeground(QColor(0x77, 0x77, 0x77)); // a gray: its HSL is exact on Qt 5 and Qt 6 alike
    QSignalSpy changes(&panel, &BVColorWidget::ForegroundChanged);
    const BVColorWheel& wheel = *panel.findChild<BVColorWheel*>();
    QTRY_VERIFY(!BVColorWheelTest::Inspect(wheel).ringBusy && !BVColorWheelTest::Inspect(wheel).triangleBusy);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(BV_GERMAN_QM)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    QCoreApplication::processEvents();
    QVERIFY(bvtest::FormMatches(&panel, QStringLiteral("colorwidget_web_de.txt")));
    QVERIFY(QCoreApplication::removeTranslator(&german));
    QCoreApplication::processEvents();
    QVERIFY(bvtest::FormMatches(&panel, QStringLiteral("colorwidget_web.txt")));
    QCOMPARE(changes.count(), 0);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
