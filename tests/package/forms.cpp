// form.ui holds every control the Designer plugin offers. Built with BV_FORM_UIC it is
// compiled by uic into a host linking the library; without it, QUiLoader reads it in a
// process that links only Qt, as Designer does, so the installed plugin must find the
// installed library by itself.
#ifdef BV_FORM_UIC
#include "ui_form.h"
#else
#include <QFile>
#include <QUiLoader>
#include <QWidget>
#endif

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

const char* const kExpected[][2] = { { "BVColorWidget", "colorWidget" }, { "BVColorWheel", "colorWheel" },
    { "BVColorControl", "colorControl" }, { "EasySlider", "easySlider" }, { "SmartSpinBox", "smartSpinBox" },
    { "SmartDoubleSpinBox", "smartDoubleSpinBox" }, { "BVSpinBox", "popupSpinBox" } };

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef BV_FORM_UIC
    auto form = std::make_unique<QWidget>();
    Ui::Form ui;
    ui.setupUi(form.get());
#else
    // The installed plugin's folder only: a loader loads what Qt's own plugin
    // folders hold as it is made, and a copy of ours in /usr may be there.
    QCoreApplication::setLibraryPaths({});
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(BV_DESIGNER_PLUGIN_DIR));
    QFile file(QStringLiteral(BV_FORM));
    std::unique_ptr<QWidget> form(file.open(QFile::ReadOnly) ? loader.load(&file) : nullptr);
    if (!form) {
        std::printf("%s: %s\n", argv[0], qPrintable(loader.errorString()));
        return 1;
    }
#endif
    bool ok = true;
    for (const auto& [className, name] : kExpected) {
        const auto* widget = form->findChild<QWidget*>(QLatin1String(name));
        const char* actual = widget ? widget->metaObject()->className() : "nothing";
        if (qstrcmp(actual, className) != 0) {
            std::printf("%s: %s is %s, not %s\n", argv[0], name, actual, className);
            ok = false;
        }
    }
    std::printf("%s: %s\n", argv[0], ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
