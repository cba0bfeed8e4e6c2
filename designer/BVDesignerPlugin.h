#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// One control as Designer sees it.
class BVDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    using Factory = std::function<QWidget*(QWidget*)>;
    BVDesignerWidget(const QString& className, const QString& toolTip, const QString& domXml,
        const QIcon& icon, Factory factory, QObject* parent);

    QString name() const override { return m_className; }
    QString group() const override { return QStringLiteral("BVWidgets"); }
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_toolTip; }
    QString includeFile() const override { return QStringLiteral("<%1.h>").arg(m_className); }
    QIcon icon() const override { return m_icon; }
    bool isContainer() const override { return false; }
    QString domXml() const override { return m_domXml; }
    QWidget* createWidget(QWidget* parent) override { return m_factory(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface*) override { m_initialized = true; }

private:
    QString m_className;
    QString m_toolTip;
    QString m_domXml;
    QIcon m_icon;
    Factory m_factory;
    bool m_initialized = false;
};

class BVDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit BVDesignerPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};
