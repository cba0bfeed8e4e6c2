#include "TestSupport.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>

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

} // namespace bvtest
