#pragma once

#include <bvwidgets_export.h>

#include <QByteArray>
#include <QColor>
#include <QWidget>

class BVColorWidgetPrivate;

/// The color panel: wheel, foreground/background control, RGB/HSL/Web
/// component editor, hexadecimal entry and recent colors. It owns the
/// foreground and background colors and reports every change of them.
class BVWIDGETS_EXPORT BVColorWidget : public QWidget {
    Q_OBJECT

public:
    /// How the swatches show their colors; stored colors and signals always
    /// carry the real colors. Any value other than Grayscale behaves as Color.
    enum Mode : int { Color = 0, Grayscale = 1 };

    explicit BVColorWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~BVColorWidget() override;

    QColor GetForeground() const;
    QColor GetBackground() const;
    Mode GetMode() const;
    void SetMode(Mode mode);

    /// The panel's colors and color space as 152 bytes.
    QByteArray Save() const;
    /// Takes over a state made by Save(). Returns false, changing nothing,
    /// when the data does not start with the panel's header. Emits nothing.
    bool Restore(const QByteArray& state);

public Q_SLOTS:
    void SwapColors();
    /// Black foreground, white background.
    void ResetColors();
    void SetBackground(const QColor& color);
    void SetForeground(const QColor& color);
    /// Puts the color at the front of the seven recent colors.
    void SetRecentColor(const QColor& color);
    /// Shows the color beside the picker icon.
    void SetRecentPicker(const QColor& color);

Q_SIGNALS:
    void ForegroundChanged(const QColor& color);
    void BackgroundChanged(const QColor& color);

private:
    Q_DISABLE_COPY(BVColorWidget)
    friend class BVColorWidgetPrivate;
    BVColorWidgetPrivate* const d;
};
