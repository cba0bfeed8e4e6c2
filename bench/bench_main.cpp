// Benchmarks of the library. Widgets need an application object; the
// platform comes from QT_QPA_PLATFORM (the bench script uses offscreen) and
// the device pixel ratio from QT_SCALE_FACTOR.
#include "BenchSupport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return bvbench::RunAll(argc, argv);
}
