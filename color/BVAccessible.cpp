#include "BVAccessible.h"

#include "BVColorControl.h"
#include "BVColorWheel.h"
#include "BVColorWidget.h"
#include "BVSpinBox.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("BVColorWheel"))
        return BVCreateWheelAccessible(widget);
    if (className == QLatin1String("BVSplitter"))
        return BVCreateSplitterAccessible(widget);
    if (className == QLatin1String("BVColorControl"))
        return new BVAccessibleControl(widget, QAccessible::Grouping, "BVColorControl",
            QT_TRANSLATE_NOOP("BVColorControl", "Foreground and background colors"));
    if (className == QLatin1String("BVColorWidget"))
        return new BVAccessibleControl(widget, QAccessible::Grouping, "BVColorWidget",
            QT_TRANSLATE_NOOP("BVColorWidget", "Color panel"));
    // Asked for while the forms are still being built, before the swatches
    // get their style hook: so every tool button of the color controls.
    const QObject* parent = object->parent();
    if (className == QLatin1String("QToolButton")
        && (qobject_cast<const BVColorControl*>(parent) || qobject_cast<const BVColorWheel*>(parent)
            || qobject_cast<const BVColorWidget*>(parent)))
        return BVCreateSwatchAccessible(widget);
    if (className == QLatin1String("QPushButton") && qobject_cast<BVSpinBox*>(object->parent()))
        return new BVAccessibleButton(
            widget, QAccessible::Button, "BVSpinBox", QT_TRANSLATE_NOOP("BVSpinBox", "Show slider"));
    return nullptr;
}

} // namespace

void BVInstallAccessibility()
{
    // Once per process, and never before a control exists.
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

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
