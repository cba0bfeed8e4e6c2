#include "TestSupport.h"

namespace bvtest {

namespace {
QMutex g_mutex;
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void CatchMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The offscreen platform's note on showing a window is no fault of ours.
    if (type != QtDebugMsg && type != QtInfoMsg
        && text != QLatin1String("This plugin does not support propagateSizeHints()")) {
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

void MessageCatcher::Catch(bool on)
{
    QMutexLocker lock(&g_mutex);
    g_messages.clear();
    g_previous = qInstallMessageHandler(on ? CatchMessage : g_previous);
}

QStringList MessageCatcher::Messages() const
{
    QMutexLocker lock(&g_mutex);
    return g_messages;
}

void Rows(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    for (const auto& [input, expected] : rows)
        QTest::newRow(*input ? input : "nothing") << QString::fromUtf8(input) << QString::fromUtf8(expected);
}

QVector<int> Numbers(const QString& s)
{
    QVector<int> numbers;
    auto it = QRegularExpression(QStringLiteral("-?\\d+")).globalMatch(s);
    while (it.hasNext())
        numbers << it.next().captured().toInt();
    return numbers;
}

QString ColorName(const QColor& c)
{
    if (!c.isValid())
        return QStringLiteral("-");
    const char* model = c == c.toHsl() ? "/hsl" : c == c.toHsv() ? "/hsv" : c == c.toCmyk() ? "/cmyk" : "";
    return c.name().mid(1) + QLatin1String(model);
}

void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
{
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(
        type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
    QApplication::sendEvent(w, &event);
}

bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace bvtest
