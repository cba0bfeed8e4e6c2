#include "BVColorEditor.h"

#include "BVColorMath.h"
#include "BVDisconnectChildren.h"
#include "BVLanguageWatcher.h"
#include "EasySlider.h"
#include "HueStops.h"
#include "SmartSpinBox.h"

#include <QCoreApplication>
#include <QGradientStops>
#include <QGridLayout>
#include <QLabel>

namespace {

const QLatin1String kGrooveTemplate("QSlider::groove:horizontal{border: 0px solid;height: 4px;border-radius: "
                                    "2px;background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, %1);}");

QString GrooveStyleSheet(const QGradientStops& stops)
{
    QString text;
    for (const QGradientStop& stop : stops) {
        text += QStringLiteral("stop: %1 rgb(%2, %3, %4), ")
                    .arg(QString::number(stop.first, 'g', 6), QString::number(stop.second.red()),
                        QString::number(stop.second.green()), QString::number(stop.second.blue()));
    }
    if (!text.isEmpty())
        text.chop(2);
    return QString(kGrooveTemplate).arg(text);
}

void SetGroove(EasySlider* slider, const QGradientStops& stops)
{
    const QString sheet = GrooveStyleSheet(stops);
    // Restyling re-polishes the slider; most updates leave most grooves as they were.
    if (slider->styleSheet() != sheet)
        slider->setStyleSheet(sheet);
}

QGradientStops RedRamp(int g, int b)
{
    return { { 0.0, QColor(0, g, b) }, { 1.0, QColor(255, g, b) } };
}
QGradientStops GreenRamp(int r, int b)
{
    return { { 0.0, QColor(r, 0, b) }, { 1.0, QColor(r, 255, b) } };
}
QGradientStops BlueRamp(int r, int g)
{
    return { { 0.0, QColor(r, g, 0) }, { 1.0, QColor(r, g, 255) } };
}

QGradientStops SaturationRamp(int h, int l)
{
    return { { 0.0, QColor::fromHsl(h % 360, 0, l) }, { 1.0, QColor::fromHsl(h % 360, 255, l) } };
}

QGradientStops LightnessRamp()
{
    return { { 0.0, QColor(0, 0, 0) }, { 1.0, QColor(255, 255, 255) } };
}

void SetupRow(QWidget* page, QGridLayout* gridLayout, int row, QLabel*& label, const QString& labelName,
    EasySlider*& slider, const QString& sliderName, SmartSpinBox*& field, const QString& fieldName,
    int maximum, int base = 10)
{
    label = new QLabel(page);
    label->setObjectName(labelName);
    gridLayout->addWidget(label, row, 0);

    slider = new EasySlider(Qt::Horizontal, page);
    slider->setObjectName(sliderName);
    slider->setMaximum(maximum);
    gridLayout->addWidget(slider, row, 1);

    field = new SmartSpinBox(page);
    field->setObjectName(fieldName);
    field->setMinimumSize(QSize(65, 0));
    field->setFocusPolicy(Qt::ClickFocus);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    field->setMaximum(maximum);
    if (base != 10)
        field->setDisplayIntegerBase(base);
    gridLayout->addWidget(field, row, 2);
}

// The one-letter labels are too terse to be read out; a row's two inputs share a name.
void NameRow(EasySlider* slider, SmartSpinBox* field, const QString& name)
{
    slider->setAccessibleName(name);
    field->setAccessibleName(name);
}

void SetupPage(QWidget* page, const QString& formName, QGridLayout*& gridLayout)
{
    if (page->objectName().isEmpty())
        page->setObjectName(formName);
    page->resize(406, 117);
    gridLayout = new QGridLayout(page);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setContentsMargins(0, 0, 0, 0);
}

// Both notify only on a real change, so the pair settles after one round.
void Tie(EasySlider* slider, SmartSpinBox* field)
{
    QObject::connect(slider, &QSlider::valueChanged, field, &QSpinBox::setValue);
    QObject::connect(field, QOverload<int>::of(&QSpinBox::valueChanged), slider, &QSlider::setValue);
}

} // namespace

void RGBColorEditorForm::SetupUi(QWidget* page, bool web)
{
    m_web = web;
    SetupPage(page, web ? QStringLiteral("RGBWEBColorEditor") : QStringLiteral("RGBColorEditor"), gridLayout);
    const int maximum = web ? 15 : 255;
    const int base = web ? 16 : 10;
    SetupRow(page, gridLayout, 0, label, QStringLiteral("label"), m_pRedSlider,
        QStringLiteral("m_pRedSlider"), m_pRed, QStringLiteral("m_pRed"), maximum, base);
    SetupRow(page, gridLayout, 1, label_2, QStringLiteral("label_2"), m_pGreenSlider,
        QStringLiteral("m_pGreenSlider"), m_pGreen, QStringLiteral("m_pGreen"), maximum, base);
    SetupRow(page, gridLayout, 2, label_3, QStringLiteral("label_3"), m_pBlueSlider,
        QStringLiteral("m_pBlueSlider"), m_pBlue, QStringLiteral("m_pBlue"), maximum, base);
    RetranslateUi(page);
    Tie(m_pRedSlider, m_pRed);
    Tie(m_pGreenSlider, m_pGreen);
    Tie(m_pBlueSlider, m_pBlue);
}

void RGBColorEditorForm::RetranslateUi(QWidget* page)
{
    // Each page translates in its own form's context; both stay visible to lupdate
    // (which would take a lambda named tr or translate for a translation call).
    const auto pick = [this](const char* rgbText, const char* webText) {
        return m_web ? QCoreApplication::translate("RGBWEBColorEditor", webText)
                     : QCoreApplication::translate("RGBColorEditor", rgbText);
    };
    page->setWindowTitle(
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "Form"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "Form")));
    label->setText(
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "R"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "R")));
    label_2->setText(
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "G"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "G")));
    label_3->setText(
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "B"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "B")));
    NameRow(m_pRedSlider, m_pRed,
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "Red"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "Red")));
    NameRow(m_pGreenSlider, m_pGreen,
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "Green"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "Green")));
    NameRow(m_pBlueSlider, m_pBlue,
        pick(QT_TRANSLATE_NOOP("RGBColorEditor", "Blue"), QT_TRANSLATE_NOOP("RGBWEBColorEditor", "Blue")));
}

void HSLColorEditorForm::SetupUi(QWidget* HSLColorEditor)
{
    SetupPage(HSLColorEditor, QStringLiteral("HSLColorEditor"), gridLayout);
    SetupRow(HSLColorEditor, gridLayout, 0, label, QStringLiteral("label"), m_pHueSlider,
        QStringLiteral("m_pHueSlider"), m_pHue, QStringLiteral("m_pHue"), 360);
    SetupRow(HSLColorEditor, gridLayout, 1, label_2, QStringLiteral("label_2"), m_pSaturationSlider,
        QStringLiteral("m_pSaturationSlider"), m_pSaturation, QStringLiteral("m_pSaturation"), 255);
    SetupRow(HSLColorEditor, gridLayout, 2, label_3, QStringLiteral("label_3"), m_pLightnessSlider,
        QStringLiteral("m_pLightnessSlider"), m_pLightness, QStringLiteral("m_pLightness"), 255);
    RetranslateUi(HSLColorEditor);
    Tie(m_pHueSlider, m_pHue);
    Tie(m_pSaturationSlider, m_pSaturation);
    Tie(m_pLightnessSlider, m_pLightness);
}

void HSLColorEditorForm::RetranslateUi(QWidget* HSLColorEditor)
{
    HSLColorEditor->setWindowTitle(QCoreApplication::translate("HSLColorEditor", "Form"));
    label->setText(QCoreApplication::translate("HSLColorEditor", "H"));
    label_2->setText(QCoreApplication::translate("HSLColorEditor", "S"));
    label_3->setText(QCoreApplication::translate("HSLColorEditor", "L"));
    NameRow(m_pHueSlider, m_pHue, QCoreApplication::translate("HSLColorEditor", "Hue"));
    NameRow(m_pSaturationSlider, m_pSaturation, QCoreApplication::translate("HSLColorEditor", "Saturation"));
    NameRow(m_pLightnessSlider, m_pLightness, QCoreApplication::translate("HSLColorEditor", "Lightness"));
}

BVColorEditor::BVColorEditor(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_pRGBPage = new QWidget(this);
    m_rgb.SetupUi(m_pRGBPage, false);
    m_rgb.m_pRed->setValue(0);
    m_rgb.m_pGreen->setValue(0);
    m_rgb.m_pBlue->setValue(0);
    BindPage(Rgb, true);

    m_pHSLPage = new QWidget(this);
    m_hsl.SetupUi(m_pHSLPage);
    m_pWebPage = new QWidget(this);
    m_web.SetupUi(m_pWebPage, true);

    layout->addWidget(m_pRGBPage, 0, 0);
    layout->addWidget(m_pHSLPage, 1, 0);
    layout->addWidget(m_pWebPage, 2, 0);
    m_pRGBPage->show();
    m_pHSLPage->hide();
    m_pWebPage->hide();

    SetGrooves(Rgb, QColor(Qt::black), -1);
    new BVLanguageWatcher(this, [this] {
        m_rgb.RetranslateUi(m_pRGBPage);
        m_hsl.RetranslateUi(m_pHSLPage);
        m_web.RetranslateUi(m_pWebPage);
    });
    // Lightness alone does not depend on the other components.
    SetGroove(m_hsl.m_pLightnessSlider, LightnessRamp());
}

BVColorEditor::~BVColorEditor()
{
    // ~QWidget still takes focus from a field, which may commit its text.
    BVDisconnectChildren(this);
}

void BVColorEditor::SetColor(const QColor& color)
{
    const int mode = CurrentMode();
    if (mode < 0)
        return;
    BindPage(mode, false);
    LoadPage(mode, color);
    BindPage(mode, true);
}

QColor BVColorEditor::GetColor() const
{
    using BVColorMath::WebChannel;
    switch (CurrentMode()) {
    case Hsl:
        return QColor::fromHsl(
            m_hsl.m_pHue->value() % 360, m_hsl.m_pSaturation->value(), m_hsl.m_pLightness->value());
    case Web:
        return QColor(WebChannel(m_web.m_pRed->value()), WebChannel(m_web.m_pGreen->value()),
            WebChannel(m_web.m_pBlue->value()));
    default:
        return QColor(m_rgb.m_pRed->value(), m_rgb.m_pGreen->value(), m_rgb.m_pBlue->value());
    }
}

void BVColorEditor::SetMode(int mode)
{
    if (!IsColorSpace(mode))
        return;
    const QColor color = GetColor();
    const int current = CurrentMode();
    for (int page : { Rgb, Hsl, Web }) {
        if (page == current && page != mode) {
            BindPage(page, false);
            Page(page)->hide();
        } else if (page != current && page == mode) {
            LoadPage(page, color);
            BindPage(page, true);
        }
    }
    m_pRGBPage->setVisible(mode == Rgb);
    m_pHSLPage->setVisible(mode == Hsl);
    m_pWebPage->setVisible(mode == Web);
}

// A user's edit of one row: tell the panel first, so a receiver already
// reads the new color, then restyle the other rows' grooves from the color
// as it is now (the receiver may have loaded another one).
void BVColorEditor::Edited(int mode, int row)
{
    Q_EMIT ColorChanged();
    SetGrooves(mode, GetColor(), row);
}

// The first page not hidden, in mode order; -1 if the host hid them all.
int BVColorEditor::CurrentMode() const
{
    if (!m_pRGBPage->isHidden())
        return Rgb;
    if (!m_pHSLPage->isHidden())
        return Hsl;
    if (!m_pWebPage->isHidden())
        return Web;
    return -1;
}

QWidget* BVColorEditor::Page(int mode) const
{
    switch (mode) {
    case Rgb:
        return m_pRGBPage;
    case Hsl:
        return m_pHSLPage;
    default:
        return m_pWebPage;
    }
}

std::array<SmartSpinBox*, 3> BVColorEditor::Fields(int mode) const
{
    if (mode == Hsl)
        return { m_hsl.m_pHue, m_hsl.m_pSaturation, m_hsl.m_pLightness };
    const RGBColorEditorForm& form = mode == Web ? m_web : m_rgb;
    return { form.m_pRed, form.m_pGreen, form.m_pBlue };
}

// Connects (bind) or disconnects the page's three fields from its slots, in row order.
void BVColorEditor::BindPage(int mode, bool bind)
{
    using Slot = void (BVColorEditor::*)(int);
    static const Slot kSlots[3][3] = {
        { &BVColorEditor::OnRed, &BVColorEditor::OnGreen, &BVColorEditor::OnBlue },
        { &BVColorEditor::OnHue, &BVColorEditor::OnSaturation, &BVColorEditor::OnLightness },
        { &BVColorEditor::OnWebRed, &BVColorEditor::OnWebGreen, &BVColorEditor::OnWebBlue },
    };
    const std::array<SmartSpinBox*, 3> fields = Fields(mode);
    for (int row = 0; row < 3; ++row) {
        if (bind)
            connect(fields[row], QOverload<int>::of(&QSpinBox::valueChanged), this, kSlots[mode][row]);
        else
            disconnect(fields[row], QOverload<int>::of(&QSpinBox::valueChanged), this, kSlots[mode][row]);
    }
}

// Grooves first, then the fields in row order.
void BVColorEditor::LoadPage(int mode, const QColor& color)
{
    SetGrooves(mode, color, -1);
    if (mode == Hsl) {
        int h, s, l;
        BVColorMath::GetHsl(color, &h, &s, &l);
        m_hsl.m_pHue->setValue(h);
        m_hsl.m_pSaturation->setValue(s);
        m_hsl.m_pLightness->setValue(l);
        return;
    }
    // The web grooves show the full 8-bit color; only its digits drop the low bits.
    const auto shown = [mode](int channel) { return mode == Web ? BVColorMath::WebDigit(channel) : channel; };
    const std::array<SmartSpinBox*, 3> fields = Fields(mode);
    fields[0]->setValue(shown(color.red()));
    fields[1]->setValue(shown(color.green()));
    fields[2]->setValue(shown(color.blue()));
}

// Each groove shows what the color becomes when only its own row moves, so
// it follows the other rows; `exceptRow` (the row just edited) is left as it
// is. The lightness groove is a fixed ramp and never restyled.
void BVColorEditor::SetGrooves(int mode, const QColor& color, int exceptRow)
{
    if (mode == Hsl) {
        int h, s, l;
        BVColorMath::GetHsl(color, &h, &s, &l);
        if (exceptRow != 0)
            SetGroove(m_hsl.m_pHueSlider, HueStops(s, l));
        if (exceptRow != 1)
            SetGroove(m_hsl.m_pSaturationSlider, SaturationRamp(h, l));
        return;
    }
    const RGBColorEditorForm& form = mode == Web ? m_web : m_rgb;
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    if (exceptRow != 0)
        SetGroove(form.m_pRedSlider, RedRamp(g, b));
    if (exceptRow != 1)
        SetGroove(form.m_pGreenSlider, GreenRamp(r, b));
    if (exceptRow != 2)
        SetGroove(form.m_pBlueSlider, BlueRamp(r, g));
}
