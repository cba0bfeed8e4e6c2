#include "GalleryPages.h"

#include "GalleryLog.h"
#include "PreviewView.h"

#include <BVColorControl.h>
#include <BVColorWheel.h>
#include <BVColorWidget.h>
#include <BVSpinBox.h>
#include <BVSplitter.h>
#include <BVWizard.h>
#include <EasySlider.h>
#include <SmartDoubleSpinBox.h>
#include <SmartSpinBox.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QWidget* MakePanelPage(GalleryLog* log)
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* panel = new BVColorWidget(page);
    layout->addWidget(panel);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);
    auto* gray = new QCheckBox(QStringLiteral("Grayscale swatches"), page);
    auto* remember = new QPushButton(QStringLiteral("Remember foreground"), page);
    auto* picker = new QPushButton(QStringLiteral("Random picker color"), page);
    auto* save = new QPushButton(QStringLiteral("Save state"), page);
    auto* restore = new QPushButton(QStringLiteral("Restore state"), page);
    for (QWidget* w : { static_cast<QWidget*>(gray), static_cast<QWidget*>(remember),
             static_cast<QWidget*>(picker), static_cast<QWidget*>(save), static_cast<QWidget*>(restore) })
        side->addWidget(w);
    side->addStretch(1);

    QObject::connect(panel, &BVColorWidget::ForegroundChanged, log,
        [log](const QColor& c) { log->Add(QStringLiteral("ForegroundChanged"), DescribeColor(c)); });
    QObject::connect(panel, &BVColorWidget::BackgroundChanged, log,
        [log](const QColor& c) { log->Add(QStringLiteral("BackgroundChanged"), DescribeColor(c)); });
    QObject::connect(gray, &QCheckBox::toggled, panel,
        [panel](bool on) { panel->SetMode(on ? BVColorWidget::Grayscale : BVColorWidget::Color); });
    QObject::connect(
        remember, &QPushButton::clicked, panel, [panel]() { panel->SetRecentColor(panel->GetForeground()); });
    QObject::connect(picker, &QPushButton::clicked, panel, [panel]() {
        panel->SetRecentPicker(QColor::fromRgb(QRandomGenerator::global()->generate() | 0xff000000u));
    });

    // The gallery is the host here: it decides where the panel's bytes live.
    const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                             .filePath(QStringLiteral("color-panel.state"));
    QObject::connect(save, &QPushButton::clicked, panel, [panel, log, file]() {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        const bool ok = out.open(QIODevice::WriteOnly) && out.write(panel->Save()) == 152;
        log->Add(QStringLiteral("Save"), ok ? file : QStringLiteral("could not write ") + file);
    });
    QObject::connect(restore, &QPushButton::clicked, panel, [panel, log, file]() {
        QFile in(file);
        const bool ok = in.open(QIODevice::ReadOnly) && panel->Restore(in.readAll());
        log->Add(QStringLiteral("Restore"),
            ok ? QStringLiteral("true, foreground ") + DescribeColor(panel->GetForeground())
               : QStringLiteral("false"));
    });
    return page;
}

QWidget* MakeWheelPage(GalleryLog* log)
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* wheel = new BVColorWheel(page);
    wheel->setMinimumSize(260, 260);
    layout->addWidget(wheel, 1);
    QObject::connect(wheel, &BVColorWheel::ColorChanged, log, [wheel, log]() {
        log->Add(QStringLiteral("BVColorWheel::ColorChanged"), DescribeColor(wheel->GetColor()));
    });

    // A stand-alone control: the gallery keeps the two colors and answers the clicks.
    auto* control = new BVColorControl(page);
    auto colors = std::make_shared<std::pair<QColor, QColor>>(QColor(Qt::black), QColor(Qt::white));
    const auto show = [control, colors]() {
        control->SetForeground(colors->first);
        control->SetBackground(colors->second);
    };
    show();
    QObject::connect(control, &BVColorControl::Swap, log, [log, colors, show]() {
        std::swap(colors->first, colors->second);
        show();
        log->Add(QStringLiteral("BVColorControl::Swap"), QString());
    });
    QObject::connect(control, &BVColorControl::Reset, log, [log, colors, show]() {
        *colors = { QColor(Qt::black), QColor(Qt::white) };
        show();
        log->Add(QStringLiteral("BVColorControl::Reset"), QString());
    });
    QObject::connect(control, &BVColorControl::Activate, log, [log, colors, show, wheel]() {
        colors->first = wheel->GetColor();
        show();
        log->Add(
            QStringLiteral("BVColorControl::Activate"), QStringLiteral("foreground takes the wheel's color"));
    });
    auto* column = new QVBoxLayout;
    column->addWidget(control);
    column->addStretch(1);
    layout->addLayout(column);
    return page;
}

QWidget* MakeInputsPage(GalleryLog* log)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);

    auto* slider = new EasySlider(page);
    slider->setRange(0, 255);
    form->addRow(QStringLiteral("EasySlider"), slider);
    QObject::connect(slider, &QSlider::valueChanged, log,
        [log](int v) { log->Add(QStringLiteral("EasySlider::valueChanged"), QString::number(v)); });

    auto* spin = new SmartSpinBox(page);
    spin->setRange(0, 1000);
    form->addRow(QStringLiteral("SmartSpinBox"), spin);
    auto* doubleSpin = new SmartDoubleSpinBox(page);
    doubleSpin->setRange(0.0, 100.0);
    form->addRow(QStringLiteral("SmartDoubleSpinBox"), doubleSpin);
    QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), log,
        [log](int v) { log->Add(QStringLiteral("SmartSpinBox::valueChanged"), QString::number(v)); });
    QObject::connect(doubleSpin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), log, [log](double v) {
        log->Add(QStringLiteral("SmartDoubleSpinBox::valueChanged"), QString::number(v));
    });

    auto* popup = new BVSpinBox(page);
    popup->setRange(0, 100);
    popup->setValue(40);
    // The library leaves the popup button bare; the host gives it a face.
    if (auto* button = popup->findChild<QPushButton*>())
        button->setText(QStringLiteral("\u25BE"));
    form->addRow(QStringLiteral("BVSpinBox"), popup);
    QObject::connect(popup, QOverload<int>::of(&QSpinBox::valueChanged), log,
        [log](int v) { log->Add(QStringLiteral("BVSpinBox::valueChanged"), QString::number(v)); });

    // A host shortcut on Tab: it must stay silent while a smart box has focus.
    auto* tab = new QShortcut(QKeySequence(Qt::Key_Tab), page);
    QObject::connect(tab, &QShortcut::activated, log,
        [log]() { log->Add(QStringLiteral("host Tab shortcut"), QStringLiteral("fired")); });
    form->addRow(new QLabel(QStringLiteral("A host shortcut is bound to Tab on this page; it fires only "
                                           "when no smart box has focus."),
        page));
    return page;
}

QWidget* MakeSplitterPage(GalleryLog* log)
{
    auto* view = new PreviewView;
    auto* splitter = new BVSplitter(Qt::Vertical, view);
    view->SetSplit(splitter->GetPosition());
    QObject::connect(splitter, &BVSplitter::PositionChanged, view, [view, log](double position) {
        view->SetSplit(position);
        log->Add(QStringLiteral("BVSplitter::PositionChanged"), QString::number(position));
    });
    return view;
}

QWidget* MakeWizardPage(GalleryLog* log)
{
    auto* wizard = new BVWizard;
    auto* header = new QLabel(QStringLiteral("<b>Export wizard</b>"), wizard);
    wizard->SetHeader(header);
    const QStringList texts = { QStringLiteral("Step 1: choose the layers to export."),
        QStringLiteral("Step 2: pick a file format."), QStringLiteral("Step 3: confirm and export.") };
    for (const QString& text : texts) {
        auto* label = new QLabel(text, wizard);
        label->setAlignment(Qt::AlignCenter);
        wizard->AddPage(label);
    }
    auto* back = new QPushButton(QStringLiteral("Back"), wizard);
    auto* next = new QPushButton(QStringLiteral("Next"), wizard);
    wizard->AddFooterSpacer();
    wizard->AddFooterItem(back);
    wizard->AddFooterItem(next);
    const auto refresh = [wizard, back, next, header]() {
        back->setEnabled(wizard->GetPageIndex() > 0);
        next->setEnabled(wizard->GetPageIndex() < wizard->GetPageCount() - 1);
        header->setText(QStringLiteral("<b>Export wizard</b> — page %1 of %2")
                            .arg(wizard->GetPageIndex() + 1)
                            .arg(wizard->GetPageCount()));
    };
    refresh();
    QObject::connect(back, &QPushButton::clicked, wizard, [wizard, log, refresh]() {
        wizard->SetPage(wizard->GetPageIndex() - 1);
        refresh();
        log->Add(QStringLiteral("BVWizard"), QStringLiteral("page %1").arg(wizard->GetPageIndex()));
    });
    QObject::connect(next, &QPushButton::clicked, wizard, [wizard, log, refresh]() {
        wizard->SetPage(wizard->GetPageIndex() + 1);
        refresh();
        log->Add(QStringLiteral("BVWizard"), QStringLiteral("page %1").arg(wizard->GetPageIndex()));
    });
    return wizard;
}

} // namespace

std::vector<GalleryPage> GalleryPages()
{
    return {
        { QStringLiteral("Color panel"),
            QStringLiteral("Drag the hue ring or the triangle, type in the fields, pick \"Web\" and type hex "
                           "digits, click the recent swatches. Save and restore keep the panel's state in a "
                           "file of the gallery's."),
            MakePanelPage },
        { QStringLiteral("Wheel and swatches"),
            QStringLiteral("The wheel on its own, and a foreground/background control whose swap, reset and "
                           "activate clicks the gallery answers."),
            MakeWheelPage },
        { QStringLiteral("Numeric inputs"),
            QStringLiteral(
                "Click anywhere on the slider. In the spin boxes, press Tab, Escape or Return. Open "
                "the popup slider with the button inside the last box."),
            MakeInputsPage },
        { QStringLiteral("Splitter"),
            QStringLiteral("Drag the line, or press Alt+1 to Alt+5, Left and Right: left of the line the "
                           "picture is gray, right of it in color."),
            MakeSplitterPage },
        { QStringLiteral("Wizard"),
            QStringLiteral("Back and Next belong to the gallery; the wizard only shows the pages."),
            MakeWizardPage },
    };
}
