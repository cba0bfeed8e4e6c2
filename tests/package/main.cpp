// Creates every exported control through the installed headers and library.
#include <BVColorControl.h>
#include <BVColorWheel.h>
#include <BVColorWidget.h>
#include <BVSpinBox.h>
#include <BVSplitter.h>
#include <BVWizard.h>
#include <EasySlider.h>
#include <SmartDoubleSpinBox.h>
#include <SmartSpinBox.h>

#include <QApplication>
#include <QVBoxLayout>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* panel = new BVColorWidget;
    auto* wizard = new BVWizard;
    wizard->AddPage(new QWidget);
    for (QWidget* w : std::initializer_list<QWidget*> { panel, new BVColorWheel, new BVColorControl,
             new EasySlider, new SmartSpinBox, new SmartDoubleSpinBox, new BVSpinBox, wizard })
        layout->addWidget(w);
    auto* splitter = new BVSplitter(Qt::Vertical, &window);
    window.show();

    // Through the properties, as a host's tools reach them.
    panel->setProperty("foreground", QColor(18, 52, 86));
    splitter->setProperty("position", 0.25);
    const bool ok = panel->GetForeground() == QColor(18, 52, 86) && splitter->GetPosition() == 0.25
        && panel->property("background") == QColor(Qt::white) && wizard->GetPageCount() == 1
        && panel->Save().size() == 152;
    std::printf("consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
