#include "BVColorEditor.h"
#include "EasySlider.h"
#include "FormDump.h"
#include "SmartSpinBox.h"

#include <QSignalSpy>
#include <QtTest>

// Pages and their rows come in creation order, which the form files pin.
struct Editor : BVColorEditor {
    QWidget* Page(int m) const { return findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)[m]; }
    SmartSpinBox* Field(int mode, int row) const { return Page(mode)->findChildren<SmartSpinBox*>()[row]; }
    EasySlider* Slider(int mode, int row) const { return Page(mode)->findChildren<EasySlider*>()[row]; }
};

class tst_BVColorEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void forms()
    {
        Editor editor;
        for (int mode = 0; mode < 3; ++mode)
            QCOMPARE(editor.Page(mode)->size(), QSize(406, 117));
        QVERIFY(bvtest::FormMatches(&editor, QStringLiteral("coloreditor.txt")));
        editor.SetColor(QColor(255, 128, 0));
        editor.SetMode(1);
        QVERIFY(bvtest::FormMatches(&editor, QStringLiteral("coloreditor_hsl.txt")));
        editor.SetColor(QColor(128, 128, 128)); // a gray's saturation groove runs to red
        editor.SetMode(2); // digits drop the low bits, the grooves keep all eight
        QVERIFY(bvtest::FormMatches(&editor, QStringLiteral("coloreditor_web.txt")));
        // With every page hidden by a host nothing takes a color; the RGB page still answers.
        editor.Page(2)->hide();
        editor.SetColor(Qt::red);
        QCOMPARE(editor.GetColor(), QColor(255, 128, 0));
    }

    void load_data()
    {
        QTest::addColumn<QString>("modes"); // SetMode(first), SetColor, then SetMode along the others
        QTest::addColumn<QColor>("color"); // invalid: nothing loaded
        QTest::addColumn<QString>("shown"); // each row of the shown page as mode:field text
        QTest::addColumn<QColor>("expected");
        const QColor web(0x1F, 0x80, 0xFF), hue0(100, 27, 27), orange(255, 128, 0, 40), gray(128, 128, 128);
        QTest::newRow("new") << "0" << QColor() << "0:0 0:0 0:0" << QColor(0, 0, 0);
        QTest::newRow("translucent") << "0" << orange << "0:255 0:128 0:0" << QColor(255, 128, 0);
        QTest::newRow("rgb to web") << "02" << web << "2:1 2:8 2:f" << QColor(0x11, 0x88, 0xFF);
        QTest::newRow("web to rgb") << "20" << web << "0:17 0:136 0:255" << QColor(0x11, 0x88, 0xFF);
        QTest::newRow("gray") << "1" << gray << "1:0 1:0 1:128" << QColor::fromHsl(0, 0, 128);
        QTest::newRow("rgb to hsl") << "01" << hue0 << "1:0 1:147 1:64" << QColor::fromHsl(0, 147, 64);
        // Through the integer HSL triple, which names another RGB color.
        QTest::newRow("rgb to hsl to rgb") << "010" << hue0 << "0:101 0:27 0:27" << QColor(101, 27, 27);
    }

    void load()
    {
        QFETCH(QString, modes);
        QFETCH(QColor, color);
        QFETCH(QString, shown);
        QFETCH(QColor, expected);

        Editor editor;
        QSignalSpy spy(&editor, &BVColorEditor::ColorChanged);
        editor.SetMode(modes[0].digitValue());
        if (color.isValid())
            editor.SetColor(color);
        // Then the current mode again, which changes nothing, and -1 ('-') and 3, which are ignored.
        for (const QChar mode : QString(modes.mid(1) + modes.back() + QLatin1String("-3")))
            editor.SetMode(mode.digitValue());
        QCOMPARE(editor.GetColor(), expected);
        QCOMPARE(spy.count(), 0);
        // Then every slider moved in turn: only the shown page reports, once per move (counts so far).
        QString rows, reports;
        for (int i = 0; i < 9; ++i) {
            SmartSpinBox* field = editor.Field(i / 3, i % 3);
            EasySlider* slider = editor.Slider(i / 3, i % 3);
            QCOMPARE(slider->value(), field->value());
            if (!editor.Page(i / 3)->isHidden())
                rows += QStringLiteral(" %1:%2").arg(i / 3).arg(field->cleanText());
            slider->setValue(field->value() == 1 ? 2 : 1);
            reports += QString::number(spy.count());
        }
        QCOMPARE(rows.trimmed(), shown);
        QCOMPARE(reports, QStringLiteral("000000123333333").mid(6 - 3 * modes.back().digitValue(), 9));
    }

    void edit_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("row"); // its slider moved to `value`
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red") << 0 << 0 << 0x41 << QColor(0x41, 0x80, 0xC0);
        QTest::newRow("green") << 0 << 1 << 0x81 << QColor(0x40, 0x81, 0xC0);
        QTest::newRow("blue") << 0 << 2 << 255 << QColor(0x40, 0x80, 0xFF);
        QTest::newRow("hue 360") << 1 << 0 << 360 << QColor::fromHsl(0, 128, 128);
        QTest::newRow("saturation") << 1 << 1 << 255 << QColor::fromHsl(210, 255, 128);
        QTest::newRow("lightness") << 1 << 2 << 129 << QColor::fromHsl(210, 128, 129);
        QTest::newRow("web red") << 2 << 0 << 5 << QColor(0x55, 0x88, 0xCC);
        QTest::newRow("web green") << 2 << 1 << 9 << QColor(0x44, 0x99, 0xCC);
        QTest::newRow("web blue") << 2 << 2 << 15 << QColor(0x44, 0x88, 0xFF);
    }

    void edit()
    {
        QFETCH(int, mode);
        QFETCH(int, row);
        QFETCH(int, value);
        QFETCH(QColor, expected);

        Editor editor, reference;
        for (Editor* each : { &editor, &reference })
            each->SetMode(mode);
        editor.SetColor(mode == 1 ? QColor::fromHsl(210, 128, 128) : QColor(0x40, 0x80, 0xC0));
        reference.SetColor(expected);
        const QString own = editor.Slider(mode, row)->styleSheet();
        editor.Slider(mode, row)->setValue(value);
        QCOMPARE(editor.GetColor(), expected);
        // Other grooves follow the new color; the row's own keeps the eight bits loaded on the web page.
        for (int r = 0; r < 3; ++r)
            QCOMPARE(editor.Slider(mode, r)->styleSheet(),
                r == row ? own : reference.Slider(mode, r)->styleSheet());
    }

    // A right-to-left host mirrors the rows but no slider, so every groove, a left-to-right ramp,
    // shows under the handle the color of the handle's value.
    void rightToLeft()
    {
        Editor editor;
        editor.setLayoutDirection(Qt::RightToLeft);
        QString drawn = QLatin1String(editor.Page(0)->isRightToLeft() ? "RTL" : "LTR");
        for (int i = 0; i < 9; ++i)
            drawn += QLatin1Char(editor.Slider(i / 3, i % 3)->isRightToLeft() ? 'R' : 'L');
        QCOMPARE(drawn, QStringLiteral("RTLLLLLLLLLL"));
    }
};

QTEST_MAIN(tst_BVColorEditor)
#include "tst_bvcoloreditor.moc"
