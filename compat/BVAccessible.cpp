#include "BVAccessible.h"

#include <QAbstractButton>
#include <QCoreApplication>

BVAccessibleControl::BVAccessibleControl(
    QWidget* widget, QAccessible::Role role, const char* context, const char* name)
    : QAccessibleWidget(widget, role)
    , m_context(context)
    , m_name(name)
{ }

QString BVAccessibleControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && m_name && widget()->accessibleName().isEmpty())
        return QCoreApplication::translate(m_context, m_name);
    return QAccessibleWidget::text(t);
}

QAccessible::State BVAccessibleButton::state() const
{
    QAccessible::State state = BVAccessibleControl::state();
    const auto* button = static_cast<const QAbstractButton*>(widget());
    state.checkable = button->isCheckable();
    state.checked = button->isChecked();
    return state;
}

QStringList BVAccessibleButton::actionNames() const
{
    return QStringList(pressAction()) + BVAccessibleControl::actionNames();
}

void BVAccessibleButton::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<QAbstractButton*>(widget())->click();
    else
        BVAccessibleControl::doAction(actionName);
}
