#include "BVColorEditor.h"
#include "EasySlider.h"
#include "SmartSpinBox.h"

#include <QLabel>
#include <QMetaMethod>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char* const kForms[] = { "RGBColorEditor", "HSLColorEditor", "RGBWEBColorEditor" };
const char* const kNames[3][3] = { { "m_pRed", "m_pGreen", "m_pBlue" },
    { "m_pHue", "m_pSaturation", "m_pLightness" }, { "m_pRed", "m_pGreen", "m_pBlue" } };

QWidget* Page(const BVColorEditor& e, int mode)
{
    return e.findChild<QWidget*>(QLatin1String(kForms[mode]));
}
SmartSpinBox* Field(const BVColorEditor& e, int mode, int row)
{
    return Page(e, mode)->findChild<SmartSpinBox*>(QLatin1String(kNames[mode][row]));
}
EasySlider* Slider(const BVColorEditor& e, int mode, int row)
{
    return Page(e, mode)->findChild<EasySlider*>(QLatin1String(kNames[mode][row]) + QLatin1String("Slider"));
}
QString Groove(const BVColorEditor& e, int mode, int row)
{
    return Slider(e, mode, row)->styleSheet();
}
QList<int> Values(const BVColorEditor& e, int mode)
{
    return { Field(e, mode, 0)->value(), Field(e, mode, 1)->value(), Field(e, mode, 2)->value() };
}

const QString kPrefix
    = QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                     "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, ");

QString Stop(const char* position, const QColor& c)
{
    return QStringLiteral("stop: %1 rgb(%2, %3, %4)")
        .arg(QLatin1String(position), QString::number(c.red()), QString::number(c.green()),
            QString::number(c.blue()));
}
QString Ramp(const QColor& from, const QColor& to)
{
    return kPrefix + Stop("0", from) + QStringLiteral(", ") + Stop("1", to) + QStringLiteral(");}");
}
QString HueRamp(int s, int l)
{
    const char* const positions[] = { "0", "0.05", "0.1", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4", "0.45",
        "0.5", "0.55", "0.6", "0.65", "0.7", "0.75", "0.8", "0.85", "0.9", "0.95", "1" };
    QStringList stops;
    for (int i = 0; i <= 20; ++i)
        stops << Stop(positions[i], QColor::fromHsl((18 * i) % 360, s, l));
    return kPrefix + stops.join(QStringLiteral(", ")) + QStringLiteral(");}");
}

// Records which widgets inside a root get restyled (QEvent::StyleChange).
class RestyleRecorder : public QObject {
public:
    explicit RestyleRecorder(QWidget* root)
    {
        for (QWidget* widget : root->findChildren<QWidget*>())
            widget->installEventFilter(this);
    }
    QSet<QObject*> restyled;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::StyleChange)
            restyled.insert(watched);
        return false;
    }
};

} // namespace

class tst_BVColorEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void construction();
    void rgbAndWebLoading();
    void hslLoad_data();
    void hslLoad();
    void userEdit_data();
    void userEdit();
    void modeSequence_data();
    void modeSequence();
    void restylesOnlyChangedGrooves_data();
    void restylesOnlyChangedGrooves();
    void metaObjectOrder();
};

void tst_BVColorEditor::construction()
{
    BVColorEditor editor;
    QCOMPARE(editor.GetColor(), QColor(0, 0, 0, 255));
    QCOMPARE(Page(editor, 0)->isHidden(), false);
    QCOMPARE(Page(editor, 1)->isHidden(), true);
    QCOMPARE(Page(editor, 2)->isHidden(), true);
    QCOMPARE(
        Groove(editor, 0, 0), kPrefix + QStringLiteral("stop: 0 rgb(0, 0, 0), stop: 1 rgb(255, 0, 0));}"));
    QCOMPARE(Groove(editor, 1, 2),
        QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                       "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 rgb(0, 0, 0), "
                       "stop: 1 rgb(255, 255, 255));}"));
    QCOMPARE(Groove(editor, 1, 0), QString()); // set on the page's first load
    for (int mode = 0; mode < 3; ++mode) {
        QString texts;
        for (const char* name : { "label", "label_2", "label_3" })
            texts += Page(editor, mode)->findChild<QLabel*>(QLatin1String(name))->text();
        QCOMPARE(texts, QLatin1String(mode == 1 ? "HSL" : "RGB"));
    }
    QCOMPARE(Slider(editor, 1, 0)->maximum(), 360);
    QCOMPARE(Field(editor, 2, 0)->maximum(), 15);
}

void tst_BVColorEditor::rgbAndWebLoading()
{
    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    editor.SetColor(QColor(255, 128, 0, 40));
    QCOMPARE(editor.GetColor(), QColor(255, 128, 0, 255));
    QCOMPARE(Values(editor, 0), QList<int>({ 255, 128, 0 }));
    QCOMPARE(Slider(editor, 0, 1)->value(), 128);
    QCOMPARE(Groove(editor, 0, 0),
        kPrefix + QStringLiteral("stop: 0 rgb(0, 128, 0), stop: 1 rgb(255, 128, 0));}"));
    QCOMPARE(Groove(editor, 0, 1),
        kPrefix + QStringLiteral("stop: 0 rgb(255, 0, 0), stop: 1 rgb(255, 255, 0));}"));
    QCOMPARE(Groove(editor, 0, 2),
        kPrefix + QStringLiteral("stop: 0 rgb(255, 128, 0), stop: 1 rgb(255, 128, 255));}"));

    editor.SetColor(QColor(0x1F, 0x80, 0xFF));
    editor.SetMode(2);
    QCOMPARE(Values(editor, 2), QList<int>({ 1, 8, 15 }));
    QCOMPARE(Field(editor, 2, 2)->cleanText(), QStringLiteral("f"));
    QCOMPARE(editor.GetColor(), QColor(0x11, 0x88, 0xFF));
    // The web grooves keep the full 8 bits.
    QCOMPARE(Groove(editor, 2, 0), Ramp(QColor(0, 0x80, 0xFF), QColor(255, 0x80, 0xFF)));
    QCOMPARE(Groove(editor, 2, 1), Ramp(QColor(0x1F, 0, 0xFF), QColor(0x1F, 255, 0xFF)));
    QCOMPARE(Groove(editor, 2, 2), Ramp(QColor(0x1F, 0x80, 0), QColor(0x1F, 0x80, 255)));
    QCOMPARE(spy.count(), 0);
}

void tst_BVColorEditor::hslLoad_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("viaMode"); // loaded on the RGB page, then carried over
    QTest::addColumn<QList<int>>("hsl");

    QTest::newRow("gray SetColor") << QColor(128, 128, 128) << false << QList<int>({ 0, 0, 128 });
    QTest::newRow("white SetMode") << QColor(255, 255, 255) << true << QList<int>({ 0, 0, 255 });
    QTest::newRow("hsl 200 100 50") << QColor::fromHsl(200, 100, 50) << false << QList<int>({ 200, 100, 50 });
    for (const QColor& color : { QColor(255, 128, 0), QColor(10, 200, 37), QColor(1, 2, 3) }) {
        QTest::addRow("%s SetMode", qPrintable(color.name()))
            << color << true << QList<int>({ color.hslHue(), color.hslSaturation(), color.lightness() });
    }
}

void tst_BVColorEditor::hslLoad()
{
    QFETCH(QColor, color);
    QFETCH(bool, viaMode);
    QFETCH(QList<int>, hsl);

    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    editor.SetMode(viaMode ? 0 : 1);
    editor.SetColor(color);
    editor.SetMode(1);
    const QColor shown = QColor::fromHsl(hsl[0], hsl[1], hsl[2]);
    QCOMPARE(Values(editor, 1), hsl);
    QCOMPARE(editor.GetColor(), shown);
    QCOMPARE(Groove(editor, 1, 0), HueRamp(hsl[1], hsl[2]));
    QCOMPARE(
        Groove(editor, 1, 1), Ramp(QColor::fromHsl(hsl[0], 0, hsl[2]), QColor::fromHsl(hsl[0], 255, hsl[2])));

    // Back on the RGB page the color is the one the integer HSL triple gives.
    editor.SetMode(0);
    QCOMPARE(editor.GetColor(), QColor(shown.red(), shown.green(), shown.blue()));
    QCOMPARE(spy.count(), 0);
}

void tst_BVColorEditor::userEdit_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key"); // 0: mouse press at the slider's right end
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<QString>("changed"); // grooves in row order: x changed, - kept

    const struct {
        const char* tag;
        int mode;
        const char* target;
        int key;
        QColor expected;
        const char* changed;
    } rows[] = {
        { "rgb red slider step", 0, "m_pRedSlider", Qt::Key_Right, QColor(0x41, 0x80, 0xC0), "-xx" },
        { "rgb green field", 0, "m_pGreen", Qt::Key_Up, QColor(0x40, 0x81, 0xC0), "x-x" },
        { "rgb blue press", 0, "m_pBlueSlider", 0, QColor(0x40, 0x80, 0xFF), "xx-" },
        // 360 is hue 0 again, down to the saturation groove.
        { "hsl hue slider end", 1, "m_pHueSlider", Qt::Key_End, QColor::fromHsl(0, 128, 128), "-x-" },
        { "hsl saturation press", 1, "m_pSaturationSlider", 0, QColor::fromHsl(210, 255, 128), "x--" },
        { "hsl lightness field", 1, "m_pLightness", Qt::Key_Up, QColor::fromHsl(210, 128, 129), "xx-" },
        { "web red field", 2, "m_pRed", Qt::Key_Up, QColor(0x55, 0x88, 0xCC), "-xx" },
        { "web green slider", 2, "m_pGreenSlider", Qt::Key_Right, QColor(0x44, 0x99, 0xCC), "x-x" },
        { "web blue press", 2, "m_pBlueSlider", 0, QColor(0x44, 0x88, 0xFF), "xx-" },
    };
    for (const auto& row : rows) {
        QTest::newRow(row.tag) << row.mode << QString::fromLatin1(row.target) << row.key << row.expected
                               << QString::fromLatin1(row.changed);
    }
}

void tst_BVColorEditor::userEdit()
{
    QFETCH(int, mode);
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(QColor, expected);
    QFETCH(QString, changed);

    BVColorEditor editor;
    editor.resize(406, 117);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.SetMode(mode);
    editor.SetColor(mode == 1 ? QColor::fromHsl(210, 128, 128) : QColor(0x40, 0x80, 0xC0));
    const QStringList before = { Groove(editor, mode, 0), Groove(editor, mode, 1), Groove(editor, mode, 2) };

    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    auto* widget = Page(editor, mode)->findChild<QWidget*>(target);
    const QPoint end(widget->width() - 1, widget->height() / 2);
    if (key == 0) {
        QTest::mousePress(widget, Qt::LeftButton, {}, end);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, end);
    } else {
        QTest::keyClick(widget, Qt::Key(key));
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.GetColor(), expected);

    // A refreshed groove shows what loading the new color would show.
    BVColorEditor reference;
    reference.SetMode(mode);
    reference.SetColor(expected);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(Groove(editor, mode, row) != before[row], changed[row] == QLatin1Char('x'));
        if (changed[row] == QLatin1Char('x'))
            QCOMPARE(Groove(editor, mode, row), Groove(reference, mode, row));
    }
}

void tst_BVColorEditor::modeSequence_data()
{
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("current");

    QTest::newRow("none") << QList<int>() << 0;
    QTest::newRow("0 0") << QList<int>({ 0, 0 }) << 0;
    QTest::newRow("1 1") << QList<int>({ 1, 1 }) << 1;
    QTest::newRow("2 1 0 2") << QList<int>({ 2, 1, 0, 2 }) << 2;
    QTest::newRow("3 -1 ignored") << QList<int>({ 3, -1 }) << 0;
    QTest::newRow("1 7") << QList<int>({ 1, 7 }) << 1;
}

void tst_BVColorEditor::modeSequence()
{
    QFETCH(QList<int>, modes);
    QFETCH(int, current);

    BVColorEditor editor;
    editor.SetColor(QColor(0x40, 0x80, 0xC0));
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    for (int mode : modes)
        editor.SetMode(mode);
    QCOMPARE(spy.count(), 0);
    // Only the current page is shown, and only its fields report, once per edit.
    for (int mode = 0; mode < 3; ++mode) {
        QCOMPARE(Page(editor, mode)->isHidden(), mode != current);
        for (int row = 0; row < 3; ++row) {
            spy.clear();
            SmartSpinBox* field = Field(editor, mode, row);
            field->setValue(field->value() == 1 ? 2 : 1);
            QCOMPARE(spy.count(), mode == current ? 1 : 0);
        }
    }
}

void tst_BVColorEditor::restylesOnlyChangedGrooves_data()
{
    QTest::addColumn<QColor>("next");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("same color") << QColor(0x40, 0x80, 0xC0) << QList<int>();
    QTest::newRow("red only") << QColor(0x41, 0x80, 0xC0) << QList<int>({ 1, 2 });
    QTest::newRow("blue only") << QColor(0x40, 0x80, 0xC1) << QList<int>({ 0, 1 });
    QTest::newRow("all") << QColor(0x41, 0x81, 0xC1) << QList<int>({ 0, 1, 2 });
}

void tst_BVColorEditor::restylesOnlyChangedGrooves()
{
    QFETCH(QColor, next);
    QFETCH(QList<int>, rows);

    BVColorEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.SetColor(QColor(0x40, 0x80, 0xC0));
    RestyleRecorder recorder(&editor);
    editor.SetColor(next);
    QSet<QObject*> expected;
    for (int row : rows)
        expected.insert(Slider(editor, 0, row));
    QCOMPARE(recorder.restyled, expected);
}

void tst_BVColorEditor::metaObjectOrder()
{
    const QMetaObject& meta = BVColorEditor::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::number(meta.method(i).methodType())
                + QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(methods.join(QLatin1Char(' ')),
        QStringLiteral("1ColorChanged() 2OnRed(int) 2OnGreen(int) 2OnBlue(int) 2OnWebRed(int) "
                       "2OnWebGreen(int) 2OnWebBlue(int) 2OnHue(int) 2OnSaturation(int) 2OnLightness(int)"));
}

QTEST_MAIN(tst_BVColorEditor)
#include "tst_bvcoloreditor.moc"
