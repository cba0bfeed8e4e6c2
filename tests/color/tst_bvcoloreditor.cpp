#include "BVColorEditor.h"
#include "EasySlider.h"
#include "SmartSpinBox.h"
#include "TestSupport.h"

// Pages and their rows come in creation order, which the form file pins.
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
        QCOMPARE(bvtest::FormChanges(&editor, QStringLiteral("coloreditor.txt")), QString());
        editor.SetColor(QColor(255, 128, 0));
        editor.SetMode(1);
        QCOMPARE(bvtest::FormChanges(&editor, QStringLiteral("coloreditor.txt")),
            QStringLiteral(
                "'RGBColorEditor' hidden; 'm_pRedSlider' sheet 4831b3e5; 'm_pGreenSlider' sheet "
                "f7fc42a5; 'm_pBlueSlider' sheet c9abbca1; 'HSLColorEditor' -hidden; 'm_pHueSlider' "
                "sheet 2d7d89b8; 'm_pSaturationSlider' sheet e3d69629"));
        editor.SetColor(QColor(128, 128, 128)); // a gray's saturation groove runs to red
        editor.SetMode(2); // digits drop the low bits, the grooves keep all eight
        QCOMPARE(bvtest::FormChanges(&editor, QStringLiteral("coloreditor.txt")),
            QStringLiteral(
                "'RGBColorEditor' hidden; 'm_pRedSlider' sheet 4831b3e5; 'm_pGreenSlider' sheet f7fc42a5; "
                "'m_pBlueSlider' sheet c9abbca1; 'm_pHueSlider' sheet e5ca1823; 'm_pSaturationSlider' sheet "
                "cb1dd471; 'RGBWEBColorEditor' -hidden; 'm_pRedSlider' sheet 4972f050; 'm_pGreenSlider' "
                "sheet d2b74964; 'm_pBlueSlider' sheet c0c59dab"));
        // With every page hidden by a host nothing takes a color; the RGB page still answers.
        editor.Page(2)->hide();
        editor.SetColor(Qt::red);
        QCOMPARE(editor.GetColor(), QColor(255, 128, 0));
        // A right-to-left host mirrors the rows but no slider, so every groove, a left-to-right ramp,
        // shows under the handle the color of the handle's value.
        editor.setLayoutDirection(Qt::RightToLeft);
        QString drawn = QLatin1String(editor.Page(0)->isRightToLeft() ? "RTL" : "LTR");
        for (int i = 0; i < 9; ++i)
            drawn += QLatin1Char(editor.Slider(i / 3, i % 3)->isRightToLeft() ? 'R' : 'L');
        QCOMPARE(drawn, QStringLiteral("RTLLLLLLLLLL"));
    }

    // "mode row value": the row's slider moved there from #4080c0 (HSL 210 128 128 on page 1).
    void edit_data()
    {
        bvtest::Rows({ { "0 0 65", "4180c0" }, { "0 1 129", "4081c0" }, { "0 2 255", "4080ff" },
            { "1 0 360", "c04040/hsl" }, { "1 1 255", "0180ff/hsl" }, { "1 2 129", "4281c0/hsl" },
            { "2 0 5", "5588cc" }, { "2 1 9", "4499cc" }, { "2 2 15", "4488ff" } });
    }

    // Other grooves follow the new color; the row's own keeps the eight bits loaded on the web page.
    void edit()
    {
        QFETCH(QString, input);
        const QVector<int> n = bvtest::Numbers(input);
        const int mode = n[0], row = n[1];
        Editor editor, reference;
        for (Editor* each : { &editor, &reference })
            each->SetMode(mode);
        editor.SetColor(mode == 1 ? QColor::fromHsl(210, 128, 128) : QColor(0x40, 0x80, 0xC0));
        const QString own = editor.Slider(mode, row)->styleSheet();
        editor.Slider(mode, row)->setValue(n[2]);
        QTEST(bvtest::ColorName(editor.GetColor()), "expected");
        reference.SetColor(editor.GetColor());
        for (int r = 0; r < 3; ++r)
            QCOMPARE(editor.Slider(mode, r)->styleSheet(),
                r == row ? own : reference.Slider(mode, r)->styleSheet());
    }
};

QTEST_MAIN(tst_BVColorEditor)
#include "tst_bvcoloreditor.moc"
