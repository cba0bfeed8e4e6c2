// The shipped German translation reaches the forms' texts, at construction
// and when the host switches language at run time.
#include "BVColorControl.h"
#include "BVColorWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

// What a panel shows in words: its title, the recent colors' label, the control's tool tips (sorted) and
// the titles of the editor's pages.
QString Texts(const BVColorWidget& panel)
{
    QStringList texts { panel.windowTitle(), panel.findChild<QLabel*>(QStringLiteral("label_2"))->text() };
    QStringList tips;
    for (const QToolButton* button : panel.findChild<BVColorControl*>()->findChildren<QToolButton*>())
        tips << button->toolTip();
    tips.sort();
    texts << tips;
    for (const char* page : { "RGBColorEditor", "HSLColorEditor", "RGBWEBColorEditor" })
        texts << panel.findChild<QWidget*>(QLatin1String(page))->windowTitle();
    return texts.join(QLatin1Char('|'));
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void german();
};

void tst_Translations::german()
{
    const QString english = QStringLiteral("Color widget|Previous colors:|Background color|Foreground color|"
                                           "Reset to default (D)|Swap colors (X)|Form|Form|Form");
    const QString german
        = QStringLiteral("Farbauswahl|Letzte Farben:|Auf Standard zurücksetzen (D)|"
                         "Farben tauschen (X)|Hintergrundfarbe|Vordergrundfarbe|Formular|Formular|Formular");
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(BV_GERMAN_QM)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(Texts(BVColorWidget()), german);
    QCoreApplication::removeTranslator(&translator);

    // A panel built in English follows a switch at run time; in the web space the entry keeps its digits
    // and the switch is no edit.
    BVColorWidget panel;
    panel.findChild<QComboBox*>(QStringLiteral("m_pColorSpace"))->setCurrentIndex(2);
    panel.SetForeground(QColor(0x12, 0x34, 0x56));
    QSignalSpy changes(&panel, &BVColorWidget::ForegroundChanged);
    for (const bool toGerman : { true, false }) {
        QVERIFY(toGerman ? QCoreApplication::installTranslator(&translator)
                         : QCoreApplication::removeTranslator(&translator));
        QCoreApplication::processEvents();
        QCOMPARE(Texts(panel), toGerman ? german : english);
        QCOMPARE(panel.findChild<QLineEdit*>(QStringLiteral("m_pWebEditor"))->text(), QStringLiteral("#135"));
    }
    QCOMPARE(changes.count(), 0);
    QCOMPARE(panel.GetForeground(), QColor(0x12, 0x34, 0x56));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
