#include "TestSupport.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMutex>
#include <QMutexLocker>
#include <QScreen>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

namespace bvtest {

namespace {
QMutex g_mutex;
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void CatchMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        QMutexLocker lock(&g_mutex);
        g_messages.append(text);
    }
    if (g_previous)
        g_previous(type, context, text);
}
} // namespace

QString ThemeDir()
{
    return QStringLiteral(BV_TEST_THEME_DIR);
}

void InstallTheme()
{
    QDir::setSearchPaths(QStringLiteral("theme"), { ThemeDir() });
}

void InstallEmptyTheme()
{
    QDir::setSearchPaths(QStringLiteral("theme"), { QDir::tempPath() + QStringLiteral("/bv-no-such-theme") });
}

MessageCatcher::MessageCatcher()
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
    g_previous = qInstallMessageHandler(CatchMessage);
}

MessageCatcher::~MessageCatcher()
{
    qInstallMessageHandler(g_previous);
}

QStringList MessageCatcher::Messages() const
{
    QMutexLocker lock(&g_mutex);
    return g_messages;
}

TabHost::TabHost(QAbstractSpinBox* spinBox)
    : before(new QLineEdit(&window))
    , box(spinBox)
    , after(new QLineEdit(&window))
    , tab(new QShortcut(QKeySequence(Qt::Key_Tab), &window))
{
    auto* layout = new QVBoxLayout(&window);
    // The box may then sit right at the window's edge.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(before);
    layout->addWidget(box);
    layout->addWidget(after);
    QWidget::setTabOrder(before, box);
    QWidget::setTabOrder(box, after);
    before->setObjectName(QStringLiteral("before"));
    box->setObjectName(QStringLiteral("box"));
    after->setObjectName(QStringLiteral("after"));
    window.resize(240, 120);
    // Typed text then stays text until the edit ends.
    box->setKeyboardTracking(false);
    QObject::connect(tab, &QShortcut::activated, [this] { ++fired; });
}

bool TabHost::Show()
{
    window.move(QApplication::primaryScreen()->availableGeometry().center() - QPoint(120, 60));
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool TabHost::TypeThenPress(const QString& text, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (!Show() || !Focus(before))
        return false;
    QTest::keyClick(before, Qt::Key_Tab);
    if (fired != 1 || !Focus(box))
        return false;
    const QVariant value = box->property("value");
    box->selectAll();
    QTest::keyClicks(box, text);
    if (box->property("value") != value)
        return false;
    QTest::keyClick(box, key, modifiers);
    return true;
}

QString TabHost::Focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

bool TabHost::Focus(QWidget* w)
{
    w->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([w] { return w->hasFocus(); });
}

} // namespace bvtest
