// The shipped German translation reaches the forms' texts.
#include "BVColorControl.h"
#include "BVColorWidget.h"

#include <QLabel>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

class tst_Translations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void german();
};

void tst_Translations::german()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BV_GERMAN_QM)));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    BVColorControl control;
    QStringList toolTips;
    for (QToolButton* button : control.findChildren<QToolButton*>())
        toolTips << button->toolTip();
    toolTips.sort();
    QCOMPARE(toolTips,
        QStringList({ QStringLiteral("Auf Standard zurücksetzen (D)"), QStringLiteral("Farben tauschen (X)"),
            QStringLiteral("Hintergrundfarbe"), QStringLiteral("Vordergrundfarbe") }));

    BVColorWidget panel;
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("label_2"))->text(), QStringLiteral("Letzte Farben:"));
    QCOMPARE(panel.windowTitle(), QStringLiteral("Farbauswahl"));

    // Without the translator the texts are the original ones again.
    QCoreApplication::removeTranslator(&translator);
    BVColorWidget english;
    QCOMPARE(
        english.findChild<QLabel*>(QStringLiteral("label_2"))->text(), QStringLiteral("Previous colors:"));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
