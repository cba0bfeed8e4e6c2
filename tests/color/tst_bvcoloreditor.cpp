#include "BVColorEditor.h"
#include "EasySlider.h"
#include "SmartSpinBox.h"

#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char* const kNames[3][4] = { { "RGBColorEditor", "m_pRed", "m_pGreen", "m_pBlue" },
    { "HSLColorEditor", "m_pHue", "m_pSaturation", "m_pLightness" },
    { "RGBWEBColorEditor", "m_pRed", "m_pGreen", "m_pBlue" } };

struct Editor : BVColorEditor {
    QWidget* Page(int mode) const { return findChild<QWidget*>(QLatin1String(kNames[mode][0])); }
    template <typename T> T* Row(int mode, int row, const char* suffix) const
    {
        return Page(mode)->findChild<T*>(QLatin1String(kNames[mode][row + 1]) + QLatin1String(suffix));
    }
    EasySlider* Slider(int mode, int row) const { return Row<EasySlider>(mode, row, "Slider"); }
    SmartSpinBox* Field(int mode, int row) const { return Row<SmartSpinBox>(mode, row, ""); }
    QStringList Grooves(int mode) const
    {
        return { Slider(mode, 0)->styleSheet(), Slider(mode, 1)->styleSheet(),
            Slider(mode, 2)->styleSheet() };
    }
    // Each row's label and field text, e.g. "R255 G128 B0".
    QString Texts(int mode) const
    {
        QStringList texts;
        for (const char* label : { "label", "label_2", "label_3" })
            texts << Page(mode)->findChild<QLabel*>(QLatin1String(label))->text()
                    + Field(mode, texts.size())->cleanText();
        return texts.join(QLatin1Char(' '));
    }
};

QString Groove(const QString& stops)
{
    return QLatin1String("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: 2px;"
                         "background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, ")
        + stops + QLatin1String(");}");
}
QString Stop(const char* position, const QColor& c)
{
    return QString::asprintf("stop: %s rgb(%d, %d, %d)", position, c.red(), c.green(), c.blue());
}
QString Ramp(const QColor& from, const QColor& to)
{
    return Groove(Stop("0", from) + QLatin1String(", ") + Stop("1", to));
}
QString HueRamp(int s, int l)
{
    const char* const positions[] = { "0", "0.05", "0.1", "0.15", "0.2", "0.25", "0.3", "0.35", "0.4", "0.45",
        "0.5", "0.55", "0.6", "0.65", "0.7", "0.75", "0.8", "0.85", "0.9", "0.95", "1" };
    QStringList stops;
    for (int i = 0; i <= 20; ++i)
        stops << Stop(positions[i], QColor::fromHsl((18 * i) % 360, s, l));
    return Groove(stops.join(QLatin1String(", ")));
}

// Records which widgets inside a root get restyled.
class RestyleRecorder : public QObject {
public:
    explicit RestyleRecorder(QWidget* root)
    {
        for (QWidget* widget : root->findChildren<QWidget*>())
            widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::StyleChange)
            restyled.insert(watched);
        return false;
    }
    QSet<QObject*> restyled;
};

} // namespace

class tst_BVColorEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void load_data()
    {
        QTest::addColumn<int>("loadMode"); // the page shown while SetColor runs; then SetMode(mode)
        QTest::addColumn<QColor>("color"); // invalid: nothing loaded
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QStringList>("grooves");
        QTest::addColumn<QColor>("shown");

        const QColor black(0, 0, 0), white(255, 255, 255);
        QTest::newRow("new") << 0 << QColor() << 0 << "R0 G0 B0"
                             << QStringList { Ramp(black, Qt::red), Ramp(black, Qt::green),
                                    Ramp(black, Qt::blue) }
                             << black;
        QTest::newRow("rgb translucent") << 0 << QColor(255, 128, 0, 40) << 0 << "R255 G128 B0"
                                         << QStringList { Ramp(QColor(0, 128, 0), QColor(255, 128, 0)),
                                                Ramp(QColor(255, 0, 0), QColor(255, 255, 0)),
                                                Ramp(QColor(255, 128, 0), QColor(255, 128, 255)) }
                                         << QColor(255, 128, 0);
        // Digits drop the low bits; the grooves keep all eight.
        const QStringList webGrooves = { Ramp(QColor(0, 0x80, 0xFF), QColor(255, 0x80, 0xFF)),
            Ramp(QColor(0x1F, 0, 0xFF), QColor(0x1F, 255, 0xFF)),
            Ramp(QColor(0x1F, 0x80, 0), QColor(0x1F, 0x80, 255)) };
        for (int loadMode : { 0, 2 })
            QTest::addRow("web from %d", loadMode) << loadMode << QColor(0x1F, 0x80, 0xFF) << 2 << "R1 G8 Bf"
                                                   << webGrooves << QColor(0x11, 0x88, 0xFF);

        const auto hsl = [&](const char* tag, int loadMode, const QColor& color, int h, int s, int l) {
            QTest::newRow(tag) << loadMode << color << 1 << QStringLiteral("H%1 S%2 L%3").arg(h).arg(s).arg(l)
                               << QStringList { HueRamp(s, l),
                                      Ramp(QColor::fromHsl(h, 0, l), QColor::fromHsl(h, 255, l)),
                                      Ramp(black, white) }
                               << QColor::fromHsl(h, s, l);
        };
        hsl("gray", 1, QColor(128, 128, 128), 0, 0, 128);
        hsl("white from rgb", 0, white, 0, 0, 255);
        hsl("hsl 200 100 50", 1, QColor::fromHsl(200, 100, 50), 200, 100, 50);
        for (const QColor& c : { QColor(255, 128, 0), QColor(1, 2, 3) })
            hsl(qPrintable(c.name()), 0, c, c.hslHue(), c.hslSaturation(), c.lightness());
    }

    void load()
    {
        QFETCH(int, loadMode);
        QFETCH(QColor, color);
        QFETCH(int, mode);
        QFETCH(QString, texts);
        QFETCH(QStringList, grooves);
        QFETCH(QColor, shown);

        Editor editor;
        QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
        editor.SetMode(loadMode);
        if (color.isValid())
            editor.SetColor(color);
        for (int m : { mode, -1, 3 }) // out-of-range modes are ignored
            editor.SetMode(m);
        for (int page = 0; page < 3; ++page)
            QCOMPARE(editor.Page(page)->isHidden(), page != mode);
        QCOMPARE(editor.Texts(mode), texts);
        QCOMPARE(editor.Grooves(mode), grooves);
        QCOMPARE(editor.GetColor(), shown);
        // Back on the RGB page: the color the integer triple names.
        editor.SetMode(0);
        QCOMPARE(editor.GetColor(), QColor(shown.rgb()));
        QCOMPARE(spy.count(), 0);
        // Only the current page's fields report, once per edit.
        for (int page = 0; page < 3; ++page) {
            for (int row = 0; row < 3; ++row) {
                spy.clear();
                editor.Field(page, row)->setValue(editor.Field(page, row)->value() == 1 ? 2 : 1);
                QCOMPARE(spy.count(), page == 0 ? 1 : 0);
            }
        }
    }

    void userEdit_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::Key>("key"); // Key_unknown: mouse press at the slider's right end
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<QString>("changed"); // grooves in row order: x changed, - kept
        const Qt::Key press = Qt::Key_unknown;
        QTest::newRow("rgb red") << 0 << "m_pRedSlider" << Qt::Key_Right << QColor(0x41, 0x80, 0xC0) << "-xx";
        QTest::newRow("rgb green") << 0 << "m_pGreen" << Qt::Key_Up << QColor(0x40, 0x81, 0xC0) << "x-x";
        QTest::newRow("rgb blue") << 0 << "m_pBlueSlider" << press << QColor(0x40, 0x80, 0xFF) << "xx-";
        // 360 is hue 0 again.
        QTest::newRow("hue") << 1 << "m_pHueSlider" << Qt::Key_End << QColor::fromHsl(0, 128, 128) << "-x-";
        QTest::newRow("saturation") << 1 << "m_pSaturationSlider" << press << QColor::fromHsl(210, 255, 128)
                                    << "x--";
        QTest::newRow("lightness") << 1 << "m_pLightness" << Qt::Key_Up << QColor::fromHsl(210, 128, 129)
                                   << "xx-";
        QTest::newRow("web red") << 2 << "m_pRed" << Qt::Key_Up << QColor(0x55, 0x88, 0xCC) << "-xx";
        QTest::newRow("web green") << 2 << "m_pGreenSlider" << Qt::Key_Right << QColor(0x44, 0x99, 0xCC)
                                   << "x-x";
        QTest::newRow("web blue") << 2 << "m_pBlueSlider" << press << QColor(0x44, 0x88, 0xFF) << "xx-";
    }

    void userEdit()
    {
        QFETCH(int, mode);
        QFETCH(QString, target);
        QFETCH(Qt::Key, key);
        QFETCH(QColor, expected);
        QFETCH(QString, changed);

        Editor editor;
        editor.resize(406, 117);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.SetMode(mode);
        editor.SetColor(mode == 1 ? QColor::fromHsl(210, 128, 128) : QColor(0x40, 0x80, 0xC0));
        const QStringList before = editor.Grooves(mode);

        QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
        RestyleRecorder recorder(&editor);
        auto* widget = editor.Page(mode)->findChild<QWidget*>(target);
        const QPoint end(widget->width() - 1, widget->height() / 2);
        if (key == Qt::Key_unknown) {
            QTest::mousePress(widget, Qt::LeftButton, {}, end);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, end);
        } else {
            QTest::keyClick(widget, key);
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(editor.GetColor(), expected);

        // A refreshed groove shows what loading the new color would show.
        Editor reference;
        reference.SetMode(mode);
        reference.SetColor(expected);
        const QStringList after = editor.Grooves(mode), loaded = reference.Grooves(mode);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(after[row] != before[row], changed[row] == QLatin1Char('x'));
            QCOMPARE(recorder.restyled.contains(editor.Slider(mode, row)), changed[row] == QLatin1Char('x'));
            if (changed[row] == QLatin1Char('x'))
                QCOMPARE(after[row], loaded[row]);
        }
        // Loading the color shown again leaves every groove alone (not on the
        // Web page, whose kept groove still shows the eight bits loaded before).
        recorder.restyled.clear();
        editor.SetColor(editor.GetColor());
        QCOMPARE(recorder.restyled.isEmpty(), mode != 2);
    }
};

QTEST_MAIN(tst_BVColorEditor)
#include "tst_bvcoloreditor.moc"
