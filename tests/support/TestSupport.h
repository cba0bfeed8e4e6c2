#pragma once

#include <QColor>
#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>
#include <utility>

class BVColorWheel;
class QWidget;

namespace bvtest {

// Points the "theme:" search path at the project's theme (as a host's), at an empty folder, or at a
// copy without its @2x images (one size for every ratio).
enum class Theme { Own, Empty, OneSize };
void InstallTheme(Theme theme = Theme::Own);

// Collects every warning, critical and fatal message Qt prints while alive.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    QStringList Messages() const;

private:
    Q_DISABLE_COPY(MessageCatcher)
};

// A data table of rows "input" → "expected", both strings, tagged by the input.
void Rows(std::initializer_list<std::pair<const char*, const char*>> rows);
// The integers in s, in order ("-5 at 3,4" gives -5 3 4).
QVector<int> Numbers(const QString& s);
// "-" is invalid, "hsl:H,S,L[,A]" an HSL color, anything else hex digits with or without "#".
QColor ParseColor(const QString& s);
// A color as a host tells colors apart: its hex digits, then its model unless RGB; "-" when invalid.
QString ColorName(const QColor& c);
// The color of a button's icon, as hex digits: what a swatch shows.
QString IconColor(const QWidget* button);

// What the wheel keeps inside: its images, the triangle's corners, the
// renders it has started, and whether one is still running.
struct WheelInside {
    QPixmap ring, triangle;
    QVector<QPointF> vertices;
    int ringRenders = 0, triangleRenders = 0;
    bool busy = false;
};
WheelInside Inside(const BVColorWheel& wheel);

// Delivers a mouse event to w through QApplication, so an ignored one reaches
// the parent. A move reports no button; presses and moves hold `button`.
void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);

// Shows the window and makes it the active one, which under Xvfb, with no
// window manager, nothing else does. True once it is active.
bool ShowActive(QWidget* window);

} // namespace bvtest
