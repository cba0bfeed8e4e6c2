#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class EasySlider;
class QGridLayout;
class QLabel;
class SmartSpinBox;

// Red, green and blue in three rows: 0..255 each on the RGB page, one
// hexadecimal digit each (the channel is the digit written twice) on the web
// page. Both pages keep their own form name and translation context.
struct RGBColorEditorForm {
    QGridLayout* gridLayout = nullptr;
    QLabel* label = nullptr;
    EasySlider* m_pRedSlider = nullptr;
    SmartSpinBox* m_pRed = nullptr;
    QLabel* label_2 = nullptr;
    EasySlider* m_pGreenSlider = nullptr;
    SmartSpinBox* m_pGreen = nullptr;
    QLabel* label_3 = nullptr;
    EasySlider* m_pBlueSlider = nullptr;
    SmartSpinBox* m_pBlue = nullptr;
    // The form "RGBWEBColorEditor" rather than "RGBColorEditor".
    bool m_web = false;

    void SetupUi(QWidget* page, bool web);
    void RetranslateUi(QWidget* page);
};

// Hue 0..360 (360 is hue 0 again), saturation and lightness 0..255.
struct HSLColorEditorForm {
    QGridLayout* gridLayout = nullptr;
    QLabel* label = nullptr;
    EasySlider* m_pHueSlider = nullptr;
    SmartSpinBox* m_pHue = nullptr;
    QLabel* label_2 = nullptr;
    EasySlider* m_pSaturationSlider = nullptr;
    SmartSpinBox* m_pSaturation = nullptr;
    QLabel* label_3 = nullptr;
    EasySlider* m_pLightnessSlider = nullptr;
    SmartSpinBox* m_pLightness = nullptr;

    void SetupUi(QWidget* HSLColorEditor);
    void RetranslateUi(QWidget* HSLColorEditor);
};

/// Slider-and-field editor of one color as RGB, HSL or three-digit web RGB.
/// Emits ColorChanged only for the user's edits; SetColor and SetMode load
/// values silently.
class BVColorEditor : public QWidget {
    Q_OBJECT

public:
    /// The editor's pages, numbered as the panel numbers its color spaces
    /// (selector index, saved state).
    enum ColorSpace : int { Rgb = 0, Hsl = 1, Web = 2 };
    static bool IsColorSpace(int number) { return number >= Rgb && number <= Web; }

    explicit BVColorEditor(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~BVColorEditor() override;

    void SetColor(const QColor& color);
    /// The color of the current page, always opaque.
    QColor GetColor() const;
    /// A ColorSpace; other values are ignored.
    void SetMode(int mode);

Q_SIGNALS:
    void ColorChanged();

public Q_SLOTS:
    // Each reports a user's edit of one field of its page; the value is unused.
    void OnRed(int) { Edited(Rgb, 0); }
    void OnGreen(int) { Edited(Rgb, 1); }
    void OnBlue(int) { Edited(Rgb, 2); }
    void OnWebRed(int) { Edited(Web, 0); }
    void OnWebGreen(int) { Edited(Web, 1); }
    void OnWebBlue(int) { Edited(Web, 2); }
    void OnHue(int) { Edited(Hsl, 0); }
    void OnSaturation(int) { Edited(Hsl, 1); }
    void OnLightness(int) { Edited(Hsl, 2); }

private:
    Q_DISABLE_COPY(BVColorEditor)

    int CurrentMode() const;
    QWidget* Page(int mode) const;
    std::array<SmartSpinBox*, 3> Fields(int mode) const;
    void BindPage(int mode, bool bind);
    void LoadPage(int mode, const QColor& color);
    void SetGrooves(int mode, const QColor& color, int exceptRow);
    void Edited(int mode, int row);

    RGBColorEditorForm m_rgb;
    HSLColorEditorForm m_hsl;
    RGBColorEditorForm m_web;
    QWidget* m_pRGBPage = nullptr;
    QWidget* m_pHSLPage = nullptr;
    QWidget* m_pWebPage = nullptr;
};
