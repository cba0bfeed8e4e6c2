#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

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

void InstallTheme()
{
    QDir::setSearchPaths(QStringLiteral("theme"), { QStringLiteral(BV_TEST_THEME_DIR) });
}

void InstallEmptyTheme()
{
    QDir::setSearchPaths(QStringLiteral("theme"), { QDir::tempPath() + QStringLiteral("/bv-no-such-theme") });
}

void InstallOneSizeTheme()
{
    static const QTemporaryDir copy;
    const QDir theme(QStringLiteral(BV_TEST_THEME_DIR));
    for (const QString& name : theme.entryList({ QStringLiteral("*.png") })) {
        if (!name.contains(QLatin1String("@2x")))
            QFile::copy(theme.filePath(name), copy.filePath(name));
    }
    QDir::setSearchPaths(QStringLiteral("theme"), { copy.path() });
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

void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
{
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(
        type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
    QApplication::sendEvent(w, &event);
}

std::unique_ptr<QHoverEvent> NewHoverEvent(QEvent::Type type, const QPointF& pos)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return std::make_unique<QHoverEvent>(type, pos, pos, pos);
#else
    return std::make_unique<QHoverEvent>(type, pos, pos);
#endif
}

bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace bvtest
