#pragma once

#include <QAccessibleWidget>

// What the library's controls tell screen readers and UI-automation tools.
// Every text is made when it is asked for, so it follows a language switch
// without the controls watching for one.

// Installs the library's interface factory; called by the controls'
// constructors, so it is in place from the first control on.
void BVInstallAccessibility();

// A control's interface: a fixed role and a translated name, unless the host
// has named the widget itself.
class BVAccessibleControl : public QAccessibleWidget {
public:
    BVAccessibleControl(
        QWidget* widget, QAccessible::Role role, const char* context = nullptr, const char* name = nullptr);
    QString text(QAccessible::Text t) const override;

private:
    const char* const m_context;
    const char* const m_name;
};

// A button drawn by the library: reports its checked state and can be pressed.
class BVAccessibleButton : public BVAccessibleControl {
public:
    using BVAccessibleControl::BVAccessibleControl;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// Made beside the controls they describe.
QAccessibleInterface* BVCreateWheelAccessible(QWidget* wheel);
QAccessibleInterface* BVCreateSplitterAccessible(QWidget* splitter);
QAccessibleInterface* BVCreateSwatchAccessible(QWidget* button);
