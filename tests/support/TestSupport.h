#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractSpinBox;
class QLineEdit;
class QShortcut;

namespace bvtest {

// Points the "theme:" search path at the project's own theme folder, as a
// host does with its theme.
void InstallTheme();
// Points it at an empty folder, to see how controls cope with missing images.
void InstallEmptyTheme();
QString ThemeDir();

// Collects every warning, critical and fatal message Qt prints while alive.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    QStringList Messages() const;

private:
    Q_DISABLE_COPY(MessageCatcher)
};

// A host window in the middle of the screen: line edits "before" and "after"
// around the given box "box", and a window-wide shortcut on Tab that counts how
// often it fires. The box takes typed text only when the edit ends.
struct TabHost {
    explicit TabHost(QAbstractSpinBox* spinBox);
    QWidget window;
    QLineEdit* before;
    QAbstractSpinBox* box;
    QLineEdit* after;
    QShortcut* tab;
    int fired = 0;

    // Shows and activates the window; without a window manager nothing else does.
    bool Show();
    static bool Focus(QWidget* w);
    // Shows that Tab in "before" fires the shortcut, types text over the box's
    // contents, which leaves its value alone, and presses the key in the box.
    // False if a step before the key failed.
    bool TypeThenPress(const QString& text, Qt::Key key, Qt::KeyboardModifiers modifiers);
    // The object name of the widget with the focus; empty for none.
    static QString Focused();
};

} // namespace bvtest
