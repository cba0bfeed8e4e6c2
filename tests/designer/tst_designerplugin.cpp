// Loads the Designer plugin the way Designer does and creates every control.
#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class tst_DesignerPlugin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void collection();
};

void tst_DesignerPlugin::collection()
{
    QPluginLoader loader(QStringLiteral(BV_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    QVERIFY(collection);

    QStringList names;
    QWidget parent;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        names << widget->name();
        QCOMPARE(widget->group(), QStringLiteral("BVWidgets"));
        QCOMPARE(widget->includeFile(), QStringLiteral("<%1.h>").arg(widget->name()));
        QVERIFY(!widget->icon().isNull() && !widget->toolTip().isEmpty()
            && widget->domXml().contains(QStringLiteral("class=\"%1\"").arg(widget->name())));
        const QWidget* created = widget->createWidget(&parent);
        QCOMPARE(created ? created->parentWidget() : nullptr, &parent);
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), widget->name());
    }
    QCOMPARE(names.join(QLatin1Char(' ')),
        QStringLiteral("BVColorWidget BVColorWheel BVColorControl EasySlider SmartSpinBox SmartDoubleSpinBox "
                       "BVSpinBox"));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
