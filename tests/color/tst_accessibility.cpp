// What a screen reader reads from the controls after a step a user or a host takes.
#include "BVColorControl.h"
#include "BVColorWheel.h"
#include "BVColorWidget.h"
#include "BVSpinBox.h"
#include "BVSplitter.h"
#include "TestSupport.h"

#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <private/qguiapplication_p.h>

namespace {

QVariant g_lastChange;

const char* RoleName(QAccessibleInterface* face)
{
    return QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role());
}

// The first widget under root (root included) a screen reader finds by "name" or "name/role".
QAccessibleInterface* Find(QWidget* root, const QString& name)
{
    for (QWidget* widget : QList<QWidget*> { root } + root->findChildren<QWidget*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        const QString text = face->text(QAccessible::Name);
        if (name == text || name == text + QLatin1Char('/') + QLatin1String(RoleName(face)))
            return face;
    }
    return nullptr;
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Events are delivered only while the platform's accessibility is on; offscreen nothing does it.
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
    // "[step:] name" → role, value (a value interface's with its range), description ("=" when the
    // value), checked state, and the last value-change event's value after the step. Steps: "press
    // NAME" a button's press action; "wheel" sets the wheel's color; "150" the splitter's value;
    // "alone" reads a control never given a color.
    void reads_data()
    {
        bvtest::Rows({ { "Color wheel", "ColorChooser|hue 200°, saturation 20%, lightness 80%, #c2cfd6|=||" },
            { "wheel: Color wheel",
                "ColorChooser|hue 10°, saturation 100%, lightness 51%, #ff2f05|=||hue 10°, saturation 100%, "
                "lightness 51%, #ff2f05" },
            { "Foreground and background colors", "Grouping||||" },
            { "Foreground color", "Button|#c2cfd6|=||" }, { "Background color", "Button|#ffffff|=||" },
            { "alone: Foreground color", "Button|Empty|=||" }, { "Swap colors", "Button||Swap colors (X)||" },
            { "Hue marker", "Button||||" }, { "Saturation and lightness marker", "Button||||" },
            { "Picked color", "Button|#000000|=||" },
            { "press Recent color 1: Foreground color",
                "Button|#000000|=||hue 0°, saturation 0%, lightness 0%, #000000" },
            { "Splitter", "Splitter|50 of 0-100|||" }, { "150: Splitter", "Splitter|100 of 0-100|||100" },
            { "press Show slider: Show slider", "Button|||checked|" },
            { "press Show slider: Opacity/Slider", "Slider|40 of 0-99|||" } });
    }

    void reads();
};

void tst_Accessibility::reads()
{
    QFETCH(QString, input);
    const QString step = input.section(QLatin1String(": "), -2, -2),
                  name = input.section(QLatin1String(": "), -1);
    QWidget root;
    auto* panel = new BVColorWidget(&root);
    panel->SetForeground(QColor::fromHsl(200, 51, 204));
    auto* splitter = new BVSplitter(Qt::Vertical, &root);
    auto* box = new BVSpinBox(&root);
    box->setAccessibleName(QStringLiteral("Opacity"));
    box->setValue(40);
    BVColorControl alone;
    g_lastChange.clear();
    if (step.startsWith(QLatin1String("press ")))
        Find(&root, step.mid(6))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    else if (step == QLatin1String("wheel"))
        panel->findChild<BVColorWheel*>()->SetColor(QColor::fromHsl(10, 255, 130));
    else if (step == QLatin1String("150"))
        QAccessible::queryAccessibleInterface(splitter)->valueInterface()->setCurrentValue(150);
    QAccessibleInterface* face = Find(step == QLatin1String("alone") ? &alone : &root, name);
    QVERIFY(face);
    const QAccessibleValueInterface* v = face->valueInterface();
    const QAccessible::State state = face->state();
    const QString value = v
        ? QStringLiteral("%1 of %2-%3")
              .arg(v->currentValue().toString(), v->minimumValue().toString(), v->maximumValue().toString())
        : face->text(QAccessible::Value);
    const QString description = face->text(QAccessible::Description);
    QTEST(QStringList({ QLatin1String(RoleName(face)), value,
                          description == value && !value.isEmpty() ? QStringLiteral("=") : description,
                          QLatin1String(state.checkable ? (state.checked ? "checked" : "unchecked") : ""),
                          g_lastChange.toString() })
              .join(QLatin1Char('|')),
        "expected");
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
