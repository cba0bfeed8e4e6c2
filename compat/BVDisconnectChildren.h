#pragma once

#include <QObject>

// Called first in the destructor of a control that connects its children's
// signals to itself. ~QWidget runs after that destructor's body: it hides the
// window, a focused field loses focus and emits, and a slot of the control
// would then read its deleted private object. Cutting every connection from
// a child (at any depth) to the control first keeps those signals out.
inline void BVDisconnectChildren(QObject* control)
{
    const QList<QObject*> children = control->findChildren<QObject*>();
    for (QObject* child : children)
        QObject::disconnect(child, nullptr, control, nullptr);
}
