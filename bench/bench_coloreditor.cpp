// Cost of BVColorEditor::SetColor on a shown editor. Run with
// QT_QPA_PLATFORM=offscreen and -median N; compare the rows with each other:
// "same color" is the floor where every groove keeps its style sheet.
#include "BVColorEditor.h"
#include "EasySlider.h"

#include <QtTest>

class bench_ColorEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setColor_data();
    void setColor();
    void restyleUnchangedGrooves();
};

void bench_ColorEditor::setColor_data()
{
    QTest::addColumn<QColor>("other");
    QTest::addColumn<bool>("processEvents");

    for (bool process : { false, true }) {
        const char* suffix = process ? ", then events" : "";
        QTest::addRow("three grooves%s", suffix) << QColor(0x41, 0x81, 0xC1) << process;
        QTest::addRow("two grooves%s", suffix) << QColor(0x41, 0x80, 0xC0) << process;
        QTest::addRow("same color%s", suffix) << QColor(0x40, 0x80, 0xC0) << process;
    }
}

void bench_ColorEditor::setColor()
{
    QFETCH(QColor, other);
    QFETCH(bool, processEvents);

    BVColorEditor editor;
    editor.resize(406, 117);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QColor base(0x40, 0x80, 0xC0);
    editor.SetColor(base);
    bool flip = false;
    QBENCHMARK
    {
        flip = !flip;
        editor.SetColor(flip ? other : base);
        if (processEvents)
            QCoreApplication::processEvents();
    }
}

// What the guard saves: the same SetColor when every groove is restyled
// with the text it already has.
void bench_ColorEditor::restyleUnchangedGrooves()
{
    BVColorEditor editor;
    editor.resize(406, 117);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QColor base(0x40, 0x80, 0xC0);
    editor.SetColor(base);
    const QList<EasySlider*> sliders
        = editor.findChild<QWidget*>(QStringLiteral("RGBColorEditor"))->findChildren<EasySlider*>();
    QBENCHMARK
    {
        for (EasySlider* slider : sliders)
            slider->setStyleSheet(slider->styleSheet());
        editor.SetColor(base);
    }
}

QTEST_MAIN(bench_ColorEditor)
#include "bench_coloreditor.moc"
