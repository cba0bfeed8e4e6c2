#pragma once

#include <QEvent>
#include <QHoverEvent>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace bvtest {

// Points the "theme:" search path at the project's own theme folder, as a
// host does with its theme.
void InstallTheme();
// Points it at an empty folder, to see how controls cope with missing images.
void InstallEmptyTheme();
// Points it at a copy of the theme without its @2x images, as from a host that
// ships one size for every ratio.
void InstallOneSizeTheme();

// Collects every warning, critical and fatal message Qt prints while alive.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    QStringList Messages() const;

private:
    Q_DISABLE_COPY(MessageCatcher)
};

// Delivers a mouse event to w through QApplication, so an ignored one reaches
// the parent. A move reports no button; presses and moves hold `button`.
void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);

// A hover event at a widget position that has not moved. Qt 6's constructor
// also takes a global position (Qt 5's is deprecated there); the local one
// stands in, as nothing that receives these events reads it.
std::unique_ptr<QHoverEvent> NewHoverEvent(QEvent::Type type, const QPointF& pos);

// Shows the window and makes it the active one, which under Xvfb, with no
// window manager, nothing else does. True once it is active.
bool ShowActive(QWidget* window);

} // namespace bvtest
