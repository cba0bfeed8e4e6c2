#include "SmartSpinBox.h"

#include "SmartKeys.h"

SmartSpinBox::SmartSpinBox(QWidget* parent)
    : QSpinBox(parent)
{ }

SmartSpinBox::~SmartSpinBox() = default;

bool SmartSpinBox::event(QEvent* event)
{
    if (bvkeys::HandleSmartKey(this, event))
        return true;
    return QSpinBox::event(event);
}
