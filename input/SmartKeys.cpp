#include "SmartKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace bvkeys {

bool HandleSmartKey(QWidget* field, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            field->clearFocus();
            event->accept();
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace bvkeys
