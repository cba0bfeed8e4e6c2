#include "SmartDoubleSpinBox.h"

#include "SmartKeys.h"

SmartDoubleSpinBox::SmartDoubleSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{ }

SmartDoubleSpinBox::~SmartDoubleSpinBox() = default;

bool SmartDoubleSpinBox::event(QEvent* event)
{
    if (bvkeys::HandleSmartKey(this, event))
        return true;
    return QDoubleSpinBox::event(event);
}
