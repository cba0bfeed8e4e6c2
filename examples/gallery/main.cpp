// The gallery: every control of the library on one window, with a live log of
// the signals they emit. --screenshot DIR renders each page to DIR/<page>.png
// and exits, so it also runs headless; --rtl lays everything out right to left.
#include "GalleryLog.h"
#include "GalleryPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QThreadPool>
#include <QTranslator>

#include <QVBoxLayout>
#include <cstdio>

namespace {

QWidget* MakeTab(const GalleryPage& page, GalleryLog* log)
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* caption = new QLabel(page.caption, tab);
    caption->setWordWrap(true);
    caption->setObjectName(QStringLiteral("GalleryCaption"));
    layout->addWidget(caption);
    layout->addWidget(page.make(log), 1);
    return tab;
}

// How a host themes the library: through the object names the controls
// carry ("COLOR" on every swatch, "ANGLECONTROL"/"COLORCONTROL" on the
// wheel's markers, "PopupSlider" in the popup spin box).
QString HostStyleSheet(bool dark)
{
    QString sheet = QStringLiteral(
        "QToolButton#COLOR { border: 1px solid %1; border-radius: 2px; padding: 0px; }"
        "QToolButton#COLOR:hover { border-color: %2; }"
        "QToolButton#ANGLECONTROL, QToolButton#COLORCONTROL { border: none; background: transparent; }"
        "EasySlider#PopupSlider { min-width: 180px; min-height: 24px; }"
        "BVSpinBox QPushButton { min-width: 20px; max-width: 20px; padding: 0px; }");
    sheet = sheet.arg(dark ? QStringLiteral("#777") : QStringLiteral("#888"),
        dark ? QStringLiteral("#ddd") : QStringLiteral("#333"));
    if (dark)
        sheet += QStringLiteral(
            "QWidget { background: #2b2b2b; color: #e0e0e0; }"
            "QLineEdit, QSpinBox, QDoubleSpinBox, QComboBox, QPlainTextEdit { background: #3a3a3a; "
            "border: 1px solid #555; }"
            "QPushButton { background: #444; border: 1px solid #666; padding: 3px 10px; }"
            "QTabBar::tab { background: #333; padding: 4px 10px; }"
            "QTabBar::tab:selected { background: #4a4a4a; }");
    return sheet;
}

QString FileNameOf(const QString& title)
{
    QString name = title.toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    name.remove(QLatin1Char('/'));
    return name + QStringLiteral(".png");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BVWidgets gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every control of the BVWidgets library."));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Render each page to a PNG file in <dir> and exit."), QStringLiteral("dir"));
    parser.addOption(screenshot);
    const QCommandLineOption language(QStringLiteral("lang"),
        QStringLiteral("Load the library's translation for <code> (for example de)."),
        QStringLiteral("code"));
    parser.addOption(language);
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Start with the dark host style."));
    parser.addOption(dark);
    const QCommandLineOption rtl(QStringLiteral("rtl"),
        QStringLiteral("Lay the window out right to left, as a host in Arabic, Hebrew or Persian does."));
    parser.addOption(rtl);
    parser.process(app);
    if (parser.isSet(rtl))
        QApplication::setLayoutDirection(Qt::RightToLeft);

    QTranslator translator;
    if (parser.isSet(language)) {
        const QString file = QStringLiteral("bvwidgets_") + parser.value(language);
        if (translator.load(file, QStringLiteral(BV_GALLERY_TRANSLATIONS_DIR)))
            QCoreApplication::installTranslator(&translator);
        else
            std::fprintf(stderr, "No translation %s in %s\n", qPrintable(file), BV_GALLERY_TRANSLATIONS_DIR);
    }

    // The gallery plays the host: it supplies the "theme:" images.
    QDir::setSearchPaths(QStringLiteral("theme"), { QStringLiteral(BV_GALLERY_THEME_DIR) });

    QWidget window;
    window.setWindowTitle(QStringLiteral("BVWidgets gallery"));
    auto* layout = new QVBoxLayout(&window);
    auto* options = new QHBoxLayout;
    layout->addLayout(options);
    auto* darkStyle = new QCheckBox(QStringLiteral("Dark host style"), &window);
    options->addWidget(darkStyle);
    // A switch here reaches every control already built, as a host's own switch does.
    auto* languages = new QComboBox(&window);
    languages->addItems({ QStringLiteral("English"), QStringLiteral("Deutsch") });
    languages->setCurrentIndex(translator.isEmpty() ? 0 : 1);
    QObject::connect(
        languages, QOverload<int>::of(&QComboBox::currentIndexChanged), &app, [&translator](int index) {
            if (index == 1
                && (!translator.isEmpty()
                    || translator.load(
                        QStringLiteral("bvwidgets_de"), QStringLiteral(BV_GALLERY_TRANSLATIONS_DIR))))
                QCoreApplication::installTranslator(&translator);
            else
                QCoreApplication::removeTranslator(&translator);
        });
    options->addWidget(new QLabel(QStringLiteral("Language:"), &window));
    options->addWidget(languages);
    options->addStretch();
    QObject::connect(
        darkStyle, &QCheckBox::toggled, &app, [&app](bool on) { app.setStyleSheet(HostStyleSheet(on)); });
    darkStyle->setChecked(parser.isSet(dark));
    app.setStyleSheet(HostStyleSheet(darkStyle->isChecked()));
    auto* split = new QSplitter(Qt::Vertical, &window);
    auto* tabs = new QTabWidget(split);
    auto* log = new GalleryLog(split);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    layout->addWidget(split);

    const std::vector<GalleryPage> pages = GalleryPages();
    for (const GalleryPage& page : pages)
        tabs->addTab(MakeTab(page, log), page.title);
    window.resize(900, 820);

    if (parser.isSet(screenshot)) {
        const QDir dir(parser.value(screenshot));
        if (!dir.exists() && !QDir().mkpath(dir.path()))
            return 1;
        window.show();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            // Let layouts settle and the wheel's pool renders arrive.
            for (int round = 0; round < 20; ++round) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
                QThreadPool::globalInstance()->waitForDone(50);
            }
            if (!window.grab().save(dir.filePath(FileNameOf(pages[size_t(i)].title))))
                return 1;
        }
        return 0;
    }

    window.show();
    return app.exec();
}
