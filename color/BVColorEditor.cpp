#include "BVColorEditor.h"

#include "EasySlider.h"
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

QGradientStops HueRamp(int s, int l)
{
    QGradientStops stops;
    double position = 0.0;
    for (int i = 0; i <= 20; ++i) {
        stops.append({ position, QColor::fromHsl((18 * i) % 360, s, l) });
        // Summing lands a hair above 1 on the last step; the cap keeps the last stop at 1.
        position = qMin(position + 0.05, 1.0);
    }
    return stops;
}

QGradientStops SaturationRamp(int h, int l)
{
    return { { 0.0, QColor::fromHsl(h % 360, 0, l) }, { 1.0, QColor::fromHsl(h % 360, 255, l) } };
}

QGradientStops LightnessRamp()
{
    return { { 0.0, QColor(0, 0, 0) }, { 1.0, QColor(255, 255, 255) } };
}

// The toolkit's HSL triple, with a hueless color shown as hue 0 and no saturation.
void GetHsl(const QColor& color, int* h, int* s, int* l)
{
    color.getHsl(h, s, l);
    if (*h == -1) {
        *h = 0;
        *s = 0;
    }
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

void RGBColorEditorForm::SetupUi(QWidget* RGBColorEditor)
{
    SetupPage(RGBColorEditor, QStringLiteral("RGBColorEditor"), gridLayout);
    SetupRow(RGBColorEditor, gridLayout, 0, label, QStringLiteral("label"), m_pRedSlider,
        QStringLiteral("m_pRedSlider"), m_pRed, QStringLiteral("m_pRed"), 255);
    SetupRow(RGBColorEditor, gridLayout, 1, label_2, QStringLiteral("label_2"), m_pGreenSlider,
        QStringLiteral("m_pGreenSlider"), m_pGreen, QStringLiteral("m_pGreen"), 255);
    SetupRow(RGBColorEditor, gridLayout, 2, label_3, QStringLiteral("label_3"), m_pBlueSlider,
        QStringLiteral("m_pBlueSlider"), m_pBlue, QStringLiteral("m_pBlue"), 255);
    RetranslateUi(RGBColorEditor);
    Tie(m_pRedSlider, m_pRed);
    Tie(m_pGreenSlider, m_pGreen);
    Tie(m_pBlueSlider, m_pBlue);
}

void RGBColorEditorForm::RetranslateUi(QWidget* RGBColorEditor)
{
    RGBColorEditor->setWindowTitle(QCoreApplication::translate("RGBColorEditor", "Form"));
    label->setText(QCoreApplication::translate("RGBColorEditor", "R"));
    label_2->setText(QCoreApplication::translate("RGBColorEditor", "G"));
    label_3->setText(QCoreApplication::translate("RGBColorEditor", "B"));
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
}

void RGBWEBColorEditorForm::SetupUi(QWidget* RGBWEBColorEditor)
{
    SetupPage(RGBWEBColorEditor, QStringLiteral("RGBWEBColorEditor"), gridLayout);
    SetupRow(RGBWEBColorEditor, gridLayout, 0, label, QStringLiteral("label"), m_pRedSlider,
        QStringLiteral("m_pRedSlider"), m_pRed, QStringLiteral("m_pRed"), 15, 16);
    SetupRow(RGBWEBColorEditor, gridLayout, 1, label_2, QStringLiteral("label_2"), m_pGreenSlider,
        QStringLiteral("m_pGreenSlider"), m_pGreen, QStringLiteral("m_pGreen"), 15, 16);
    SetupRow(RGBWEBColorEditor, gridLayout, 2, label_3, QStringLiteral("label_3"), m_pBlueSlider,
        QStringLiteral("m_pBlueSlider"), m_pBlue, QStringLiteral("m_pBlue"), 15, 16);
    RetranslateUi(RGBWEBColorEditor);
    Tie(m_pRedSlider, m_pRed);
    Tie(m_pGreenSlider, m_pGreen);
    Tie(m_pBlueSlider, m_pBlue);
}

void RGBWEBColorEditorForm::RetranslateUi(QWidget* RGBWEBColorEditor)
{
    RGBWEBColorEditor->setWindowTitle(QCoreApplication::translate("RGBWEBColorEditor", "Form"));
    label->setText(QCoreApplication::translate("RGBWEBColorEditor", "R"));
    label_2->setText(QCoreApplication::translate("RGBWEBColorEditor", "G"));
    label_3->setText(QCoreApplication::translate("RGBWEBColorEditor", "B"));
}

BVColorEditor::BVColorEditor(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_pRGBPage = new QWidget(this);
    m_rgb.SetupUi(m_pRGBPage);
    m_rgb.m_pRed->setValue(0);
    m_rgb.m_pGreen->setValue(0);
    m_rgb.m_pBlue->setValue(0);
    BindPage(0, true);

    m_pHSLPage = new QWidget(this);
    m_hsl.SetupUi(m_pHSLPage);
    m_pWebPage = new QWidget(this);
    m_web.SetupUi(m_pWebPage);

    layout->addWidget(m_pRGBPage, 0, 0);
    layout->addWidget(m_pHSLPage, 1, 0);
    layout->addWidget(m_pWebPage, 2, 0);
    m_pRGBPage->show();
    m_pHSLPage->hide();
    m_pWebPage->hide();

    SetGroove(m_rgb.m_pRedSlider, RedRamp(0, 0));
    SetGroove(m_rgb.m_pGreenSlider, GreenRamp(0, 0));
    SetGroove(m_rgb.m_pBlueSlider, BlueRamp(0, 0));
    // Lightness alone does not depend on the other components.
    SetGroove(m_hsl.m_pLightnessSlider, LightnessRamp());
}

BVColorEditor::~BVColorEditor()
{
    // ~QWidget still takes focus from a field, which may commit its text; no
    // slot of ours may run on the half-destroyed editor.
    for (int mode = 0; mode < 3; ++mode)
        BindPage(mode, false);
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
    switch (CurrentMode()) {
    case 1:
        return QColor::fromHsl(
            m_hsl.m_pHue->value() % 360, m_hsl.m_pSaturation->value(), m_hsl.m_pLightness->value());
    case 2:
        return QColor(m_web.m_pRed->value() * 16 + m_web.m_pRed->value(),
            m_web.m_pGreen->value() * 16 + m_web.m_pGreen->value(),
            m_web.m_pBlue->value() * 16 + m_web.m_pBlue->value());
    default:
        return QColor(m_rgb.m_pRed->value(), m_rgb.m_pGreen->value(), m_rgb.m_pBlue->value());
    }
}

void BVColorEditor::SetMode(int mode)
{
    if (mode < 0 || mode > 2)
        return;
    const QColor color = GetColor();
    const int current = CurrentMode();
    for (int page = 0; page < 3; ++page) {
        if (page == current && page != mode) {
            BindPage(page, false);
            Page(page)->hide();
        } else if (page != current && page == mode) {
            LoadPage(page, color);
            BindPage(page, true);
        }
    }
    m_pRGBPage->setVisible(mode == 0);
    m_pHSLPage->setVisible(mode == 1);
    m_pWebPage->setVisible(mode == 2);
}

void BVColorEditor::OnRed(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_rgb.m_pGreenSlider, GreenRamp(color.red(), color.blue()));
    SetGroove(m_rgb.m_pBlueSlider, BlueRamp(color.red(), color.green()));
}

void BVColorEditor::OnGreen(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_rgb.m_pRedSlider, RedRamp(color.green(), color.blue()));
    SetGroove(m_rgb.m_pBlueSlider, BlueRamp(color.red(), color.green()));
}

void BVColorEditor::OnBlue(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_rgb.m_pRedSlider, RedRamp(color.green(), color.blue()));
    SetGroove(m_rgb.m_pGreenSlider, GreenRamp(color.red(), color.blue()));
}

void BVColorEditor::OnWebRed(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_web.m_pGreenSlider, GreenRamp(color.red(), color.blue()));
    SetGroove(m_web.m_pBlueSlider, BlueRamp(color.red(), color.green()));
}

void BVColorEditor::OnWebGreen(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_web.m_pRedSlider, RedRamp(color.green(), color.blue()));
    SetGroove(m_web.m_pBlueSlider, BlueRamp(color.red(), color.green()));
}

void BVColorEditor::OnWebBlue(int)
{
    Q_EMIT ColorChanged();
    const QColor color = GetColor();
    SetGroove(m_web.m_pRedSlider, RedRamp(color.green(), color.blue()));
    SetGroove(m_web.m_pGreenSlider, GreenRamp(color.red(), color.blue()));
}

void BVColorEditor::OnHue(int)
{
    Q_EMIT ColorChanged();
    int h, s, l;
    GetHsl(GetColor(), &h, &s, &l);
    SetGroove(m_hsl.m_pSaturationSlider, SaturationRamp(h, l));
}

void BVColorEditor::OnSaturation(int)
{
    Q_EMIT ColorChanged();
    int h, s, l;
    GetHsl(GetColor(), &h, &s, &l);
    SetGroove(m_hsl.m_pHueSlider, HueRamp(s, l));
}

void BVColorEditor::OnLightness(int)
{
    Q_EMIT ColorChanged();
    int h, s, l;
    GetHsl(GetColor(), &h, &s, &l);
    SetGroove(m_hsl.m_pHueSlider, HueRamp(s, l));
    SetGroove(m_hsl.m_pSaturationSlider, SaturationRamp(h, l));
}

// The first page not hidden, in mode order; -1 if the host hid them all.
int BVColorEditor::CurrentMode() const
{
    if (!m_pRGBPage->isHidden())
        return 0;
    if (!m_pHSLPage->isHidden())
        return 1;
    if (!m_pWebPage->isHidden())
        return 2;
    return -1;
}

QWidget* BVColorEditor::Page(int mode) const
{
    switch (mode) {
    case 0:
        return m_pRGBPage;
    case 1:
        return m_pHSLPage;
    default:
        return m_pWebPage;
    }
}

// Connects (bind) or disconnects the page's three fields from its slots, in row order.
void BVColorEditor::BindPage(int mode, bool bind)
{
    const auto apply = [this, bind](SmartSpinBox* field, void (BVColorEditor::*slot)(int)) {
        if (bind)
            connect(field, QOverload<int>::of(&QSpinBox::valueChanged), this, slot);
        else
            disconnect(field, QOverload<int>::of(&QSpinBox::valueChanged), this, slot);
    };
    switch (mode) {
    case 0:
        apply(m_rgb.m_pRed, &BVColorEditor::OnRed);
        apply(m_rgb.m_pGreen, &BVColorEditor::OnGreen);
        apply(m_rgb.m_pBlue, &BVColorEditor::OnBlue);
        break;
    case 1:
        apply(m_hsl.m_pHue, &BVColorEditor::OnHue);
        apply(m_hsl.m_pSaturation, &BVColorEditor::OnSaturation);
        apply(m_hsl.m_pLightness, &BVColorEditor::OnLightness);
        break;
    case 2:
        apply(m_web.m_pRed, &BVColorEditor::OnWebRed);
        apply(m_web.m_pGreen, &BVColorEditor::OnWebGreen);
        apply(m_web.m_pBlue, &BVColorEditor::OnWebBlue);
        break;
    default:
        break;
    }
}

void BVColorEditor::LoadPage(int mode, const QColor& color)
{
    if (mode == 1) {
        int h, s, l;
        GetHsl(color, &h, &s, &l);
        SetGroove(m_hsl.m_pHueSlider, HueRamp(s, l));
        SetGroove(m_hsl.m_pSaturationSlider, SaturationRamp(h, l));
        m_hsl.m_pHue->setValue(h);
        m_hsl.m_pSaturation->setValue(s);
        m_hsl.m_pLightness->setValue(l);
        return;
    }
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    if (mode == 0) {
        SetGroove(m_rgb.m_pRedSlider, RedRamp(g, b));
        SetGroove(m_rgb.m_pGreenSlider, GreenRamp(r, b));
        SetGroove(m_rgb.m_pBlueSlider, BlueRamp(r, g));
        m_rgb.m_pRed->setValue(r);
        m_rgb.m_pGreen->setValue(g);
        m_rgb.m_pBlue->setValue(b);
    } else {
        // The grooves show the full 8-bit color; only the digits drop the low bits.
        SetGroove(m_web.m_pRedSlider, RedRamp(g, b));
        SetGroove(m_web.m_pGreenSlider, GreenRamp(r, b));
        SetGroove(m_web.m_pBlueSlider, BlueRamp(r, g));
        m_web.m_pRed->setValue(r / 16);
        m_web.m_pGreen->setValue(g / 16);
        m_web.m_pBlue->setValue(b / 16);
    }
}
