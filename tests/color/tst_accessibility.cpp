// What a screen reader reads from the controls: roles, names, values, states,
// the value-change events, and names following a language switch.
#include "BVColorControl.h"
#include "BVColorWheel.h"
#include "BVColorWidget.h"
#include "BVSpinBox.h"
#include "BVSplitter.h"

#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

QAccessibleInterface* Face(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The first widget under root (root included) that a screen reader finds by name and role.
QAccessibleInterface* Find(QWidget* root, const QString& name, int role)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets)
        if (Face(widget)->text(QAccessible::Name) == name && Face(widget)->role() == role)
            return Face(widget);
    return nullptr;
}

QList<QPair<QObject*, QVariant>> g_changes;

} // namespace

// Qt delivers accessibility events only while its platform layer is active, which a screen reader
// makes it; offscreen nothing does. Qt's own tests switch it on through these private functions.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

namespace {

// A panel, two splitters (one named by the host) and a popup spin box.
struct Scene {
    Scene()
    {
        panel->SetForeground(QColor::fromHsl(200, 51, 204));
        named->setAccessibleName(QStringLiteral("Preview divider"));
        box->setAccessibleName(QStringLiteral("Opacity"));
        box->setValue(40);
    }
    QWidget root;
    BVColorWidget* panel = new BVColorWidget(&root);
    BVSplitter* splitter = new BVSplitter(Qt::Vertical, &root);
    BVSplitter* named = new BVSplitter(Qt::Horizontal, &root);
    BVSpinBox* box = new BVSpinBox(&root);
};

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::ValueChanged)
                g_changes << qMakePair(
                    event->object(), static_cast<QAccessibleValueChangeEvent*>(event)->value());
        });
    }
    void reads_data();
    void reads();
    void valueChanges();
    void buttons();
    void german();
};

void tst_Accessibility::reads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("value"); // the value interface's, or the value text
    QTest::addColumn<QString>("description");
    const QColor color = QColor::fromHsl(200, 51, 204);
    const QString fg = color.name();
    QTest::newRow("panel") << "Color panel" << int(QAccessible::Grouping) << ""
                           << "";
    QTest::newRow("wheel") << "Color wheel" << int(QAccessible::ColorChooser)
                           << QString(QString::fromUtf8("hue 200°, saturation 20%, lightness 80%, ") + fg)
                           << "";
    QTest::newRow("control") << "Foreground and background colors" << int(QAccessible::Grouping) << ""
                             << "";
    QTest::newRow("foreground") << "Foreground color" << int(QAccessible::Button) << fg << fg;
    QTest::newRow("background") << "Background color" << int(QAccessible::Button) << "#ffffff"
                                << "#ffffff";
    QTest::newRow("swap") << "Swap colors" << int(QAccessible::Button) << ""
                          << "Swap colors (X)";
    QTest::newRow("reset") << "Reset colors" << int(QAccessible::Button) << ""
                           << "Reset to default (D)";
    QTest::newRow("most recent") << "Recent color 1" << int(QAccessible::Button) << "#000000"
                                 << "#000000";
    QTest::newRow("recent 7") << "Recent color 7" << int(QAccessible::Button) << "#000000"
                              << "#000000";
    QTest::newRow("picker") << "Picked color" << int(QAccessible::Button) << "#000000"
                            << "#000000";
    QTest::newRow("hex") << "Hexadecimal color" << int(QAccessible::EditableText) << "#"
                         << "";
    QTest::newRow("red") << "Red" << int(QAccessible::Slider) << QString::number(color.red()) << "";
    QTest::newRow("blue field") << "Blue" << int(QAccessible::SpinBox) << QString::number(color.blue()) << "";
    QTest::newRow("splitter") << "Splitter" << int(QAccessible::Splitter) << "50"
                              << "";
    QTest::newRow("host's name") << "Preview divider" << int(QAccessible::Splitter) << "50"
                                 << "";
    QTest::newRow("popup button") << "Show slider" << int(QAccessible::Button) << ""
                                  << "";
}

void tst_Accessibility::reads()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, value);
    Scene scene;
    QAccessibleInterface* face = Find(&scene.root, name, role);
    QVERIFY(face);
    const QAccessibleValueInterface* number = face->valueInterface();
    QCOMPARE(number ? number->currentValue().toString() : face->text(QAccessible::Value), value);
    QTEST(face->text(QAccessible::Description), "description");
}

void tst_Accessibility::valueChanges()
{
    BVColorWheel wheel;
    QWidget view;
    BVSplitter splitter(Qt::Vertical, &view);
    QAccessibleValueInterface* position = Face(&splitter)->valueInterface();
    QCOMPARE(position->minimumValue(), QVariant(0.0));
    QCOMPARE(position->maximumValue(), QVariant(100.0));
    g_changes.clear();
    const QColor color = QColor::fromHsl(10, 255, 130); // 130 / 255 is 50.98 %
    wheel.SetColor(color);
    wheel.SetColor(color);
    splitter.SetPosition(0.25);
    position->setCurrentValue(150); // clamped like SetPosition
    QCOMPARE(splitter.GetPosition(), 1.0);
    position->setCurrentValue(25);
    const QList<QPair<QObject*, QVariant>> expected = {
        { &wheel, QString::fromUtf8("hue 10°, saturation 100%, lightness 51%, ").append(color.name()) },
        { &splitter, 25.0 },
        { &splitter, 100.0 },
        { &splitter, 25.0 },
    };
    QCOMPARE(g_changes, expected);
}

void tst_Accessibility::buttons()
{
    Scene scene;
    QAccessibleInterface* popup = Find(&scene.root, QStringLiteral("Show slider"), QAccessible::Button);
    QVERIFY(popup->state().checkable && !popup->state().checked);
    popup->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(popup->state().checked);
    QCOMPARE(Face(scene.box->findChild<QSlider*>())->text(QAccessible::Name), QStringLiteral("Opacity"));

    // Pressed by a screen reader, a recent color becomes the foreground as on a click.
    QAccessibleInterface* recent = Find(&scene.root, QStringLiteral("Recent color 1"), QAccessible::Button);
    QVERIFY(!recent->state().checkable);
    recent->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(scene.panel->GetForeground().name(), QStringLiteral("#000000"));
}

void tst_Accessibility::german()
{
#ifndef BV_GERMAN_QM
    QSKIP("built without the translations");
#else
    Scene scene;
    BVColorControl control; // never given a color
    const QList<QAccessibleInterface*> faces = { Face(scene.panel),
        Face(scene.panel->findChild<BVColorWheel*>()), Face(scene.panel->findChild<BVColorControl*>()),
        Find(&scene.root, QStringLiteral("Recent color 3"), QAccessible::Button),
        Find(&scene.root, QStringLiteral("Hue"), QAccessible::SpinBox), Face(scene.splitter),
        Find(&scene.root, QStringLiteral("Show slider"), QAccessible::Button),
        Face(control.findChild<QToolButton*>(QStringLiteral("COLOR"))) };
    const auto read = [&faces] {
        QStringList texts;
        for (QAccessibleInterface* face : faces)
            texts << face->text(QAccessible::Name);
        return texts << faces.last()->text(QAccessible::Description);
    };
    const QStringList english
        = QStringLiteral("Color panel|Color wheel|Foreground and background colors|"
                         "Recent color 3|Hue|Splitter|Show slider|Background color|Empty")
              .split(QLatin1Char('|'));
    QCOMPARE(read(), english);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BV_GERMAN_QM)));
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(read(),
        QStringLiteral("Farbauswahl|Farbrad|Vorder- und Hintergrundfarbe|Letzte Farbe 3|Farbton|Teiler|"
                       "Schieberegler zeigen|Hintergrundfarbe|Leer")
            .split(QLatin1Char('|')));
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(read(), english);
#endif
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
