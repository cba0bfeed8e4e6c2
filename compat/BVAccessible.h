#pragma once

#include <QAccessibleWidget>

// The base of what the library's controls tell screen readers and
// UI-automation tools. Every text is made when it is asked for, so it follows
// a language switch without the controls watching for one.

// Installs a control's interface factory when the first control of its kind
// is built. Qt asks every installed factory in turn, so each control answers
// for itself and its own children only, and the order never matters. Not from
// a static initialiser: a host that builds no control installs nothing.
template <QAccessible::InterfaceFactory Factory> void BVInstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed)
}

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
