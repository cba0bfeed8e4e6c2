// Arbitrary bytes into BVColorWidget::Restore: no crash, no Qt message; a refusal changes nothing,
// acceptance means the header matched; the panel still works and its own state round-trips.
#include "BVColorWidget.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

namespace {

BVColorWidget* g_panel = nullptr;
QByteArray g_header;

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    g_panel = new BVColorWidget;
    g_header = g_panel->Save().left(38);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        Check(false, qPrintable(message));
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    const QByteArray before = g_panel->Save();
    const bool accepted = g_panel->Restore(input);
    Check(accepted == input.startsWith(g_header), "Restore accepts exactly the states with the header");
    if (!accepted)
        Check(g_panel->Save() == before, "a refused state leaves the panel unchanged");

    const QByteArray state = g_panel->Save();
    Check(state.size() == 152, "a saved state is 152 bytes");
    Check(g_panel->Restore(state), "the panel takes back its own state");
    Check(g_panel->Save() == state, "the panel's own state round-trips");

    const QColor color = size > 2 ? QColor(data[0], data[1], data[2]) : QColor(Qt::darkCyan);
    g_panel->SetForeground(color);
    Check(g_panel->GetForeground() == color, "SetForeground then GetForeground round-trips");
    QCoreApplication::processEvents();
    return 0;
}
