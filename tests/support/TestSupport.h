#pragma once

#include <QtTest>
#include <QtWidgets>

namespace bvtest {

// Points "theme:" at the project's theme, as a host does with its own.
void InstallTheme();

// Collects every warning, critical and fatal message Qt prints while alive.
class MessageCatcher {
public:
    MessageCatcher() { Catch(true); }
    ~MessageCatcher() { Catch(false); }
    QStringList Messages() const;

private:
    static void Catch(bool on);
    Q_DISABLE_COPY(MessageCatcher)
};

// A data table of rows "input" → "expected", both strings, tagged by the input.
void Rows(std::initializer_list<std::pair<const char*, const char*>> rows);
// The integers in s, in order ("-5 at 3,4" gives -5 3 4).
QVector<int> Numbers(const QString& s);
// A color as a host tells colors apart: its hex digits, then its model unless RGB; "-" when invalid.
QString ColorName(const QColor& c);

// A mouse event through QApplication, so an ignored one reaches the parent; a move reports no button.
void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);

// Shows the window and activates it (under Xvfb no window manager does); true once it is active.
bool ShowActive(QWidget* window);

// How root's form (a line per widget, layout and spacer, with what a form fixes and nothing the style
// or fonts decide) differs from tests/forms/`name`: per changed line the widget's name and the words
// that came and went ("-" before those), per style sheet a digest. BV_UPDATE_FORMS=1 rewrites forms.
QString FormChanges(const QWidget* root, const QString& name);

} // namespace bvtest
