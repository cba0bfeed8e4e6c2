#pragma once

#include <QObject>

// First thing in the destructor of a control that connects its children (at
// any depth) to itself: ~QWidget runs after that body, and a child that emits
// then, such as a field losing focus, must not reach the deleted private object.
inline void BVDisconnectChildren(QObject* control)
{
    const QList<QObject*> children = control->findChildren<QObject*>();
    for (QObject* child : children)
        QObject::disconnect(child, nullptr, control, nullptr);
}
