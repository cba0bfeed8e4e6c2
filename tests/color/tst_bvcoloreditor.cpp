#include "BVColorEditor.h"
#include "EasySlider.h"
#include "SmartSpinBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char* const kForms[] = { "RGBColorEditor", "HSLColorEditor", "RGBWEBColorEditor" };
const char* const kSliders[3][3] = { { "m_pRedSlider", "m_pGreenSlider", "m_pBlueSlider" },
    { "m_pHueSlider", "m_pSaturationSlider", "m_pLightnessSlider" },
    { "m_pRedSlider", "m_pGreenSlider", "m_pBlueSlider" } };
const char* const kFields[3][3] = { { "m_pRed", "m_pGreen", "m_pBlue" },
    { "m_pHue", "m_pSaturation", "m_pLightness" }, { "m_pRed", "m_pGreen", "m_pBlue" } };

QWidget* Page(const BVColorEditor& editor, int mode)
{
    return editor.findChild<QWidget*>(QLatin1String(kForms[mode]));
}

EasySlider* Slider(const BVColorEditor& editor, int mode, int row)
{
    return Page(editor, mode)->findChild<EasySlider*>(QLatin1String(kSliders[mode][row]));
}

SmartSpinBox* Field(const BVColorEditor& editor, int mode, int row)
{
    return Page(editor, mode)->findChild<SmartSpinBox*>(QLatin1String(kFields[mode][row]));
}

QString Groove(const BVColorEditor& editor, int mode, int row)
{
    return Slider(editor, mode, row)->styleSheet();
}

QList<int> Values(const BVColorEditor& editor, int mode)
{
    return { Field(editor, mode, 0)->value(), Field(editor, mode, 1)->value(),
        Field(editor, mode, 2)->value() };
}

QString Stop(const char* position, const QColor& color)
{
    return QStringLiteral("stop: %1 rgb(%2, %3, %4)")
        .arg(QLatin1String(position), QString::number(color.red()), QString::number(color.green()),
            QString::number(color.blue()));
}

QString Sheet(const QStringList& stops)
{
    return QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: 2px;"
                          "background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, ")
        + stops.join(QStringLiteral(", ")) + QStringLiteral(");}");
}

QString TwoStopSheet(const QColor& from, const QColor& to)
{
    return Sheet({ Stop("0", from), Stop("1", to) });
}

QString HueSheet(int s, int l)
{
    const char* const positions[] = { "0", "0.05", "0.1", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4", "0.45",
        "0.5", "0.55", "0.6", "0.65", "0.7", "0.75", "0.8", "0.85", "0.9", "0.95", "1" };
    QStringList stops;
    for (int i = 0; i <= 20; ++i)
        stops << Stop(positions[i], QColor::fromHsl((18 * i) % 360, s, l));
    return Sheet(stops);
}

QString SaturationSheet(int h, int l)
{
    return TwoStopSheet(QColor::fromHsl(h, 0, l), QColor::fromHsl(h, 255, l));
}

// Counts the restyles (QEvent::StyleChange) of every widget inside the editor.
class RestyleCounter : public QObject {
public:
    explicit RestyleCounter(QWidget* root)
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
    void forms_data();
    void forms();
    void setColorRgb();
    void webDigits();
    void hslLoad_data();
    void hslLoad();
    void hueRampPositions();
    void hue360();
    void userEdit_data();
    void userEdit();
    void grooveRefresh_data();
    void grooveRefresh();
    void modeSequence_data();
    void modeSequence();
    void roundTrip_data();
    void roundTrip();
    void setColorFromReceiver();
    void restyleOnlyChangedGrooves_data();
    void restyleOnlyChangedGrooves();
    void metaObjectOrder();
};

void tst_BVColorEditor::construction()
{
    BVColorEditor editor;
    QCOMPARE(editor.GetColor(), QColor(0, 0, 0, 255));
    QVERIFY(!Page(editor, 0)->isHidden());
    QVERIFY(Page(editor, 1)->isHidden());
    QVERIFY(Page(editor, 2)->isHidden());
    QCOMPARE(Values(editor, 0), QList<int>({ 0, 0, 0 }));

    QCOMPARE(Groove(editor, 0, 0),
        QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                       "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 rgb(0, 0, 0), "
                       "stop: 1 rgb(255, 0, 0));}"));
    QCOMPARE(Groove(editor, 0, 1), TwoStopSheet(QColor(0, 0, 0), QColor(0, 255, 0)));
    QCOMPARE(Groove(editor, 0, 2), TwoStopSheet(QColor(0, 0, 0), QColor(0, 0, 255)));
    QCOMPARE(Groove(editor, 1, 2),
        QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                       "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 rgb(0, 0, 0), "
                       "stop: 1 rgb(255, 255, 255));}"));
    // The other grooves wait for their page's first load.
    QCOMPARE(Groove(editor, 1, 0), QString());
    QCOMPARE(Groove(editor, 1, 1), QString());
    for (int row = 0; row < 3; ++row)
        QCOMPARE(Groove(editor, 2, row), QString());
}

void tst_BVColorEditor::forms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("base");

    const char* const labels[3][3] = { { "R", "G", "B" }, { "H", "S", "L" }, { "R", "G", "B" } };
    const char* const labelNames[] = { "label", "label_2", "label_3" };
    const int maxima[3][3] = { { 255, 255, 255 }, { 360, 255, 255 }, { 15, 15, 15 } };
    for (int mode = 0; mode < 3; ++mode) {
        for (int row = 0; row < 3; ++row) {
            QTest::addRow("%s %s", kForms[mode], kFields[mode][row])
                << mode << row << QString::fromLatin1(labelNames[row])
                << QString::fromLatin1(labels[mode][row]) << maxima[mode][row] << (mode == 2 ? 16 : 10);
        }
    }
}

void tst_BVColorEditor::forms()
{
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(QString, labelName);
    QFETCH(QString, labelText);
    QFETCH(int, maximum);
    QFETCH(int, base);

    BVColorEditor editor;
    QWidget* page = Page(editor, mode);
    QVERIFY(page);
    QCOMPARE(page->windowTitle(), QStringLiteral("Form"));
    auto* grid = page->findChild<QGridLayout*>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));

    auto* label = page->findChild<QLabel*>(labelName);
    EasySlider* slider = Slider(editor, mode, row);
    SmartSpinBox* field = Field(editor, mode, row);
    QVERIFY(label && slider && field);
    QCOMPARE(label->text(), labelText);
    QCOMPARE(grid->itemAtPosition(row, 0)->widget(), label);
    QCOMPARE(grid->itemAtPosition(row, 1)->widget(), slider);
    QCOMPARE(grid->itemAtPosition(row, 2)->widget(), field);

    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), maximum);
    QCOMPARE(field->minimum(), 0);
    QCOMPARE(field->maximum(), maximum);
    QCOMPARE(field->displayIntegerBase(), base);
    QCOMPARE(field->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(field->buttonSymbols(), QAbstractSpinBox::NoButtons);
    QCOMPARE(field->minimumSize(), QSize(65, 0));

    // The tie works both ways on every page, connected or not.
    slider->setValue(maximum);
    QCOMPARE(field->value(), maximum);
    field->setValue(1);
    QCOMPARE(slider->value(), 1);
}

void tst_BVColorEditor::setColorRgb()
{
    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    editor.SetColor(QColor(255, 128, 0, 40));

    QCOMPARE(spy.count(), 0);
    QCOMPARE(editor.GetColor(), QColor(255, 128, 0, 255));
    QCOMPARE(Values(editor, 0), QList<int>({ 255, 128, 0 }));
    QCOMPARE(Slider(editor, 0, 0)->value(), 255);
    QCOMPARE(Slider(editor, 0, 1)->value(), 128);
    QCOMPARE(Slider(editor, 0, 2)->value(), 0);
    const QString prefix
        = QStringLiteral("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                         "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, ");
    QCOMPARE(
        Groove(editor, 0, 0), prefix + QStringLiteral("stop: 0 rgb(0, 128, 0), stop: 1 rgb(255, 128, 0));}"));
    QCOMPARE(
        Groove(editor, 0, 1), prefix + QStringLiteral("stop: 0 rgb(255, 0, 0), stop: 1 rgb(255, 255, 0));}"));
    QCOMPARE(Groove(editor, 0, 2),
        prefix + QStringLiteral("stop: 0 rgb(255, 128, 0), stop: 1 rgb(255, 128, 255));}"));
    // Only the grooves carry style sheets.
    QCOMPARE(editor.styleSheet(), QString());
    QCOMPARE(Page(editor, 0)->styleSheet(), QString());
    QCOMPARE(Field(editor, 0, 0)->styleSheet(), QString());
}

void tst_BVColorEditor::webDigits()
{
    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    editor.SetColor(QColor(0x1F, 0x80, 0xFF));
    editor.SetMode(2);

    QCOMPARE(spy.count(), 0);
    QVERIFY(Page(editor, 0)->isHidden());
    QVERIFY(!Page(editor, 2)->isHidden());
    QCOMPARE(Values(editor, 2), QList<int>({ 1, 8, 15 }));
    QCOMPARE(Field(editor, 2, 2)->cleanText(), QStringLiteral("f"));
    QCOMPARE(Slider(editor, 2, 0)->value(), 1);
    QCOMPARE(editor.GetColor(), QColor(0x11, 0x88, 0xFF));
    QCOMPARE(Groove(editor, 2, 0), TwoStopSheet(QColor(0, 0x80, 0xFF), QColor(255, 0x80, 0xFF)));
    QCOMPARE(Groove(editor, 2, 1), TwoStopSheet(QColor(0x1F, 0, 0xFF), QColor(0x1F, 255, 0xFF)));
    QCOMPARE(Groove(editor, 2, 2), TwoStopSheet(QColor(0x1F, 0x80, 0), QColor(0x1F, 0x80, 255)));

    // Back to RGB: the color is the reduced one.
    editor.SetMode(0);
    QCOMPARE(Values(editor, 0), QList<int>({ 0x11, 0x88, 0xFF }));
    QCOMPARE(spy.count(), 0);
}

void tst_BVColorEditor::hslLoad_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("viaMode");
    QTest::addColumn<QList<int>>("hsl");

    // Grays have no hue in the toolkit's model; the page shows them at hue 0.
    for (bool viaMode : { false, true }) {
        const char* how = viaMode ? "SetMode" : "SetColor";
        QTest::addRow("gray 128 %s", how) << QColor(128, 128, 128) << viaMode << QList<int>({ 0, 0, 128 });
        QTest::addRow("black %s", how) << QColor(0, 0, 0) << viaMode << QList<int>({ 0, 0, 0 });
        QTest::addRow("white %s", how) << QColor(255, 255, 255) << viaMode << QList<int>({ 0, 0, 255 });
    }
    // Through the RGB page an HSL color would be rounded; loaded directly it is kept.
    QTest::newRow("hsl 200 100 50") << QColor::fromHsl(200, 100, 50) << false << QList<int>({ 200, 100, 50 });
    QTest::newRow("hsl 359 255 1") << QColor::fromHsl(359, 255, 1) << false << QList<int>({ 359, 255, 1 });
    QTest::newRow("hsv red") << QColor::fromHsv(0, 255, 255) << false << QList<int>({ 0, 255, 128 });
}

void tst_BVColorEditor::hslLoad()
{
    QFETCH(QColor, color);
    QFETCH(bool, viaMode);
    QFETCH(QList<int>, hsl);

    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    if (viaMode) {
        editor.SetColor(color);
        editor.SetMode(1);
    } else {
        editor.SetMode(1);
        editor.SetColor(color);
    }
    QCOMPARE(spy.count(), 0);
    QCOMPARE(Values(editor, 1), hsl);
    QCOMPARE(Slider(editor, 1, 0)->value(), hsl[0]);
    QCOMPARE(editor.GetColor(), QColor::fromHsl(hsl[0], hsl[1], hsl[2]));
    QCOMPARE(Groove(editor, 1, 0), HueSheet(hsl[1], hsl[2]));
    QCOMPARE(Groove(editor, 1, 1), SaturationSheet(hsl[0], hsl[2]));
    QCOMPARE(Groove(editor, 1, 2), TwoStopSheet(QColor(0, 0, 0), QColor(255, 255, 255)));
}

void tst_BVColorEditor::hueRampPositions()
{
    BVColorEditor editor;
    editor.SetMode(1);
    editor.SetColor(QColor::fromHsl(100, 200, 90));
    const QString sheet = Groove(editor, 1, 0);
    QCOMPARE(sheet, HueSheet(200, 90));
    QCOMPARE(sheet.count(QStringLiteral("stop: ")), 21);
    // The ramp closes on the color it opened with.
    const QString first = Stop("0", QColor::fromHsl(0, 200, 90));
    const QString last = Stop("1", QColor::fromHsl(0, 200, 90));
    QVERIFY(sheet.contains(first + QStringLiteral(", ") + Stop("0.05", QColor::fromHsl(18, 200, 90))));
    QVERIFY(sheet.endsWith(last + QStringLiteral(");}")));
}

void tst_BVColorEditor::hue360()
{
    BVColorEditor editor;
    editor.SetMode(1);
    editor.SetColor(QColor::fromHsl(30, 200, 100));
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);

    Field(editor, 1, 0)->setValue(360);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(Slider(editor, 1, 0)->value(), 360);
    QCOMPARE(editor.GetColor(), QColor::fromHsl(0, 200, 100));
    QCOMPARE(Groove(editor, 1, 1), SaturationSheet(0, 100));
}

void tst_BVColorEditor::userEdit_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key"); // 0: mouse press at the slider's right end
    QTest::addColumn<QColor>("expected");

    const QColor rgb(0x40, 0x80, 0xC0);
    const QColor hsl = QColor::fromHsl(210, 128, 128);
    QTest::newRow("rgb red slider press")
        << 0 << rgb << QStringLiteral("m_pRedSlider") << 0 << QColor(255, 0x80, 0xC0);
    QTest::newRow("rgb red slider step")
        << 0 << rgb << QStringLiteral("m_pRedSlider") << int(Qt::Key_Right) << QColor(0x41, 0x80, 0xC0);
    QTest::newRow("rgb green field up")
        << 0 << rgb << QStringLiteral("m_pGreen") << int(Qt::Key_Up) << QColor(0x40, 0x81, 0xC0);
    QTest::newRow("rgb blue slider page")
        << 0 << rgb << QStringLiteral("m_pBlueSlider") << int(Qt::Key_PageDown) << QColor(0x40, 0x80, 0xB6);
    QTest::newRow("hsl hue slider step")
        << 1 << hsl << QStringLiteral("m_pHueSlider") << int(Qt::Key_Right) << QColor::fromHsl(211, 128, 128);
    QTest::newRow("hsl lightness field up")
        << 1 << hsl << QStringLiteral("m_pLightness") << int(Qt::Key_Up) << QColor::fromHsl(210, 128, 129);
    QTest::newRow("hsl saturation press")
        << 1 << hsl << QStringLiteral("m_pSaturationSlider") << 0 << QColor::fromHsl(210, 255, 128);
    QTest::newRow("web red field up")
        << 2 << rgb << QStringLiteral("m_pRed") << int(Qt::Key_Up) << QColor(0x55, 0x88, 0xCC);
    QTest::newRow("web blue slider press")
        << 2 << rgb << QStringLiteral("m_pBlueSlider") << 0 << QColor(0x44, 0x88, 0xFF);
}

void tst_BVColorEditor::userEdit()
{
    QFETCH(int, mode);
    QFETCH(QColor, start);
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(QColor, expected);

    BVColorEditor editor;
    editor.resize(406, 117);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.SetMode(mode);
    editor.SetColor(start);

    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    auto* widget = Page(editor, mode)->findChild<QWidget*>(target);
    QVERIFY(widget);
    if (key == 0)
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(widget->width() - 1, widget->height() / 2));
    else
        QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.GetColor(), expected);
    if (key == 0)
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(widget->width() - 1, widget->height() / 2));
    QCOMPARE(spy.count(), 1);
}

void tst_BVColorEditor::grooveRefresh_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<bool>>("changed");

    const int step = Qt::Key_Right;
    const int page = Qt::Key_PageUp;
    QTest::newRow("rgb red") << 0 << 0 << step << QList<bool>({ false, true, true });
    QTest::newRow("rgb green") << 0 << 1 << step << QList<bool>({ true, false, true });
    QTest::newRow("rgb blue") << 0 << 2 << step << QList<bool>({ true, true, false });
    QTest::newRow("hsl hue") << 1 << 0 << page << QList<bool>({ false, true, false });
    QTest::newRow("hsl saturation") << 1 << 1 << page << QList<bool>({ true, false, false });
    QTest::newRow("hsl lightness") << 1 << 2 << page << QList<bool>({ true, true, false });
    QTest::newRow("web red") << 2 << 0 << step << QList<bool>({ false, true, true });
    QTest::newRow("web green") << 2 << 1 << step << QList<bool>({ true, false, true });
    QTest::newRow("web blue") << 2 << 2 << step << QList<bool>({ true, true, false });
}

void tst_BVColorEditor::grooveRefresh()
{
    QFETCH(int, mode);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(QList<bool>, changed);

    BVColorEditor editor;
    editor.SetMode(mode);
    editor.SetColor(mode == 1 ? QColor::fromHsl(210, 128, 128) : QColor(0x40, 0x80, 0xC0));
    const QStringList before = { Groove(editor, mode, 0), Groove(editor, mode, 1), Groove(editor, mode, 2) };

    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    QTest::keyClick(Slider(editor, mode, row), Qt::Key(key));
    QCOMPARE(spy.count(), 1);

    // A changed groove must show the new color, whichever page it is on.
    const QColor color = editor.GetColor();
    BVColorEditor reference;
    reference.SetMode(mode);
    reference.SetColor(color);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(Groove(editor, mode, i) != before[i], changed[i]);
        if (changed[i])
            QCOMPARE(Groove(editor, mode, i), Groove(reference, mode, i));
    }
}

void tst_BVColorEditor::modeSequence_data()
{
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("current");

    QTest::newRow("none") << QList<int>() << 0;
    QTest::newRow("0") << QList<int>({ 0 }) << 0;
    QTest::newRow("1") << QList<int>({ 1 }) << 1;
    QTest::newRow("2") << QList<int>({ 2 }) << 2;
    QTest::newRow("1 1") << QList<int>({ 1, 1 }) << 1;
    QTest::newRow("1 0") << QList<int>({ 1, 0 }) << 0;
    QTest::newRow("2 1 0 2") << QList<int>({ 2, 1, 0, 2 }) << 2;
    QTest::newRow("3") << QList<int>({ 3 }) << 0;
    QTest::newRow("-1") << QList<int>({ -1 }) << 0;
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
    for (int mode = 0; mode < 3; ++mode)
        QCOMPARE(Page(editor, mode)->isHidden(), mode != current);

    // Only the current page reports, once per edit.
    for (int mode = 0; mode < 3; ++mode) {
        for (int row = 0; row < 3; ++row) {
            spy.clear();
            SmartSpinBox* field = Field(editor, mode, row);
            field->setValue(field->value() == 1 ? 2 : 1);
            QCOMPARE(spy.count(), mode == current ? 1 : 0);
        }
    }
}

void tst_BVColorEditor::roundTrip_data()
{
    QTest::addColumn<QColor>("color");

    QTest::newRow("orange") << QColor(255, 128, 0);
    QTest::newRow("10 200 37") << QColor(10, 200, 37);
    QTest::newRow("1 2 3") << QColor(1, 2, 3);
    QTest::newRow("0x12 0x34 0x56") << QColor(0x12, 0x34, 0x56);
    QTest::newRow("gray") << QColor(77, 77, 77);
    QTest::newRow("near white") << QColor(255, 255, 254);
}

void tst_BVColorEditor::roundTrip()
{
    QFETCH(QColor, color);

    BVColorEditor editor;
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    editor.SetColor(color);
    editor.SetMode(1);
    int h, s, l;
    color.getHsl(&h, &s, &l);
    if (h < 0)
        h = s = 0;
    QCOMPARE(Values(editor, 1), QList<int>({ h, s, l }));

    editor.SetMode(0);
    const QColor expected = QColor::fromHsl(h, s, l).toRgb();
    QCOMPARE(Values(editor, 0), QList<int>({ expected.red(), expected.green(), expected.blue() }));
    QCOMPARE(editor.GetColor(), QColor(expected.red(), expected.green(), expected.blue()));
    QCOMPARE(spy.count(), 0);
}

void tst_BVColorEditor::setColorFromReceiver()
{
    BVColorEditor editor;
    editor.SetColor(QColor(0x40, 0x80, 0xC0));
    QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
    connect(
        &editor, &BVColorEditor::ColorChanged, &editor, [&editor] { editor.SetColor(QColor(10, 20, 30)); });

    QTest::keyClick(Slider(editor, 0, 0), Qt::Key_Right);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(Values(editor, 0), QList<int>({ 10, 20, 30 }));
    QCOMPARE(Slider(editor, 0, 0)->value(), 10);
    QCOMPARE(Groove(editor, 0, 0), TwoStopSheet(QColor(0, 20, 30), QColor(255, 20, 30)));
    QCOMPARE(Groove(editor, 0, 1), TwoStopSheet(QColor(10, 0, 30), QColor(10, 255, 30)));
    QCOMPARE(Groove(editor, 0, 2), TwoStopSheet(QColor(10, 20, 0), QColor(10, 20, 255)));

    // The reconnected fields still report exactly once.
    QTest::keyClick(Slider(editor, 0, 1), Qt::Key_Right);
    QCOMPARE(spy.count(), 2);
}

void tst_BVColorEditor::restyleOnlyChangedGrooves_data()
{
    QTest::addColumn<QColor>("next");
    QTest::addColumn<QList<int>>("restyledRows");

    QTest::newRow("same color") << QColor(0x40, 0x80, 0xC0) << QList<int>();
    QTest::newRow("red only") << QColor(0x41, 0x80, 0xC0) << QList<int>({ 1, 2 });
    QTest::newRow("blue only") << QColor(0x40, 0x80, 0xC1) << QList<int>({ 0, 1 });
    QTest::newRow("all") << QColor(0x41, 0x81, 0xC1) << QList<int>({ 0, 1, 2 });
}

void tst_BVColorEditor::restyleOnlyChangedGrooves()
{
    QFETCH(QColor, next);
    QFETCH(QList<int>, restyledRows);

    BVColorEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.SetColor(QColor(0x40, 0x80, 0xC0));

    RestyleCounter counter(&editor);
    editor.SetColor(next);
    QSet<QObject*> expected;
    for (int row : restyledRows)
        expected.insert(Slider(editor, 0, row));
    QCOMPARE(counter.restyled, expected);
}

void tst_BVColorEditor::metaObjectOrder()
{
    const QMetaObject& meta = BVColorEditor::staticMetaObject;
    QStringList signatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        signatures << QString::fromLatin1(method.methodSignature())
                + (method.methodType() == QMetaMethod::Signal ? QStringLiteral(" signal")
                                                              : QStringLiteral(" slot"));
    }
    QCOMPARE(signatures,
        QStringList({ QStringLiteral("ColorChanged() signal"), QStringLiteral("OnRed(int) slot"),
            QStringLiteral("OnGreen(int) slot"), QStringLiteral("OnBlue(int) slot"),
            QStringLiteral("OnWebRed(int) slot"), QStringLiteral("OnWebGreen(int) slot"),
            QStringLiteral("OnWebBlue(int) slot"), QStringLiteral("OnHue(int) slot"),
            QStringLiteral("OnSaturation(int) slot"), QStringLiteral("OnLightness(int) slot") }));
}

QTEST_MAIN(tst_BVColorEditor)
#include "tst_bvcoloreditor.moc"
