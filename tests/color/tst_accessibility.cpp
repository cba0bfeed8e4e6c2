// What a screen reader reads from the controls: role, name, value, checked
// state and value-change events, after a step a user or a host takes; and the
// forms' own texts after a language switch.
#include "BVColorControl.h"
#include "BVColorWheel.h"
#include "BVColorWidget.h"
#include "BVSpinBox.h"
#include "BVSplitter.h"
#include "FormDump.h"
#include "TestSupport.h"

#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QTranslator>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <private/qguiapplication_p.h>

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
        // Events are delivered only while the platform's accessibility is on, which offscreen
        // nothing switches on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
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
    const QByteArray wheel = "hue 200°, saturation 20%, lightness 80%, " + fg;
    Row("wheel", "", "Color wheel", QAccessible::ColorChooser, wheel + '|' + wheel + '|');
    Row("wheel moved", "wheel", "Color wheel", QAccessible::ColorChooser, moved + '|' + moved + '|', moved);
    Row("control", "", "Foreground and background colors", QAccessible::Grouping, "||");
    Row("foreground", "", "Foreground color", button, fg + '|' + fg + '|');
    Row("background", "", "Background color", button, "#ffffff|#ffffff|");
    Row("empty swatch", "alone", "Foreground color", button, "Empty|Empty|");
    Row("swap", "", "Swap colors", button, "|Swap colors (X)|");
    Row("picker", "", "Picked color", button, black);
    Row("recent pressed", "press Recent color 1", "Foreground color", button, black,
        "hue 0°, saturation 0%, lightness 0%, #000000");
    Row("red", "", "Red", QAccessible::Slider, QByteArray::number(color.red()) + " of 0-255||");
    Row("splitter", "", "Splitter", QAccessible::Splitter, "50 of 0-100||");
    Row("splitter set", "150", "Splitter", QAccessible::Splitter, "100 of 0-100||", "100");
    Row("popup open", "press Show slider", "Show slider", button, "||checked");
    Row("popup slider", "press Show slider", "Opacity", QAccessible::Slider, "40 of 0-99||");
    const QByteArray rad = "Farbton 200°, Sättigung 20 %, Helligkeit 80 %, " + fg;
    Row("german wheel", "de", "Farbrad", QAccessible::ColorChooser, rad + '|' + rad + '|');
    Row("german empty", "de alone", "Vordergrundfarbe", button, "Leer|Leer|");
}

void tst_Accessibility::reads()
{
    QFETCH(QString, step);
    QWidget root;
    auto* panel = new BVColorWidget(&root);
    panel->SetForeground(QColor::fromHsl(200, 51, 204));
    auto* splitter = new BVSplitter(Qt::Vertical, &root);
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

// Every text of a panel follows a switch to German and back, which is no edit: the web entry keeps
// its digits (its retranslation resets it to "#").
void tst_Accessibility::language()
{
    BVColorWidget panel;
    panel.findChild<QComboBox*>()->setCurrentIndex(2);
    panel.SetForeground(QColor(0x77, 0x77, 0x77)); // a gray: its HSL is exact on Qt 5 and Qt 6 alike
    QSignalSpy changes(&panel, &BVColorWidget::ForegroundChanged);
    QTRY_VERIFY(!bvtest::Inside(*panel.findChild<BVColorWheel*>()).busy);
    const QStringList english = bvtest::FormChanges(&panel, QStringLiteral("colorwidget.txt"));
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(BV_GERMAN_QM)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    QCoreApplication::processEvents();
    QStringList inGerman = bvtest::FormChanges(&panel, QStringLiteral("colorwidget.txt"));
    QVERIFY(QCoreApplication::removeTranslator(&german));
    QCoreApplication::processEvents();
    QCOMPARE(bvtest::FormChanges(&panel, QStringLiteral("colorwidget.txt")), english);
    QCOMPARE(changes.count(), 0);
    // Web shown (no theme: no picker image).
    QCOMPARE(english.join(QStringLiteral("; ")),
        QStringLiteral(
            "'ANGLECONTROL' -hidden; 'COLORCONTROL' 50,4 -50,10; 'm_pPickerIcon' 0x0 -16x16; "
            "'m_pWebEditor' '#777' -hidden -'#'; 'RGBColorEditor' hidden; 'RGBWEBColorEditor' -hidden; "
            "'m_pRedSlider' sheet 3aed8d50; 'm_pGreenSlider' sheet c1d2ed1e; 'm_pBlueSlider' sheet "
            "27fe0f65"));
    for (const QString& line : english)
        inGerman.removeOne(line);
    QCOMPARE(inGerman.join(QStringLiteral("; ")),
        QString::fromUtf8(
            "'ColorWidget' 'Farbauswahl' -'Color -widget'; 'm_pColorControl' 'Farbsteuerung' "
            "-'ColorControl'; 'COLOR' 'Hintergrundfarbe' -'Background -color'; 'm_pReset' 'Auf "
            "Standard zurücksetzen -'Reset -to -default; 'm_pSwap' 'Farben tauschen -'Swap -colors; "
            "'COLOR' 'Vordergrundfarbe' -'Foreground -color'; 'RGBColorEditor' hidden 'Formular' "
            "-'Form'; 'HSLColorEditor' 'Formular' -'Form'; 'RGBWEBColorEditor' 'Formular' -hidden "
            "-'Form'; 'label_2' 'Letzte Farben:' -'Previous -colors:'"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
