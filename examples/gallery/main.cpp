// The gallery: every control of the library on one window, with a live log of
// the signals they emit. --screenshot DIR renders each page to DIR/<page>.png
// and exits, so it also runs headless.
#include "GalleryLog.h"
#include "GalleryPages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QThreadPool>
#include <QVBoxLayout>

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
    parser.process(app);

    // The gallery plays the host: it supplies the "theme:" images.
    QDir::setSearchPaths(QStringLiteral("theme"), { QStringLiteral(BV_GALLERY_THEME_DIR) });

    QWidget window;
    window.setWindowTitle(QStringLiteral("BVWidgets gallery"));
    auto* layout = new QVBoxLayout(&window);
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
