// A host that quits while the wheel's renders are still in the thread pool.
// The application object dies right after main returns; a render that made a
// QPixmap at that point would abort the process.

#include "BVColorWheel.h"

#include <QApplication>
#include <QByteArray>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool leak = argc > 1 && QByteArray(argv[1]) == "leak";

    // Large enough that the renders are still running when main returns.
    auto* wheel = new BVColorWheel;
    wheel->resize(1600, 1600);
    wheel->show();
    wheel->resize(1700, 1650);
    wheel->SetColor(QColor(10, 200, 30));
    if (!leak)
        delete wheel;
    return 0;
}
