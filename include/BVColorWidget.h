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
    // Kept out of Designer's property editor: uic writes a property set there as
    // setForeground(), which this class does not have.
    Q_PROPERTY(
        QColor foreground READ GetForeground WRITE SetForeground NOTIFY ForegroundChanged DESIGNABLE false)
    Q_PROPERTY(
        QColor background READ GetBackground WRITE SetBackground NOTIFY BackgroundChanged DESIGNABLE false)

public:
    /// How the swatches show their colors; stored colors and signals always
    /// carry the real colors. Any value other than Grayscale behaves as Color.
    enum Mode : int { Color = 0, Grayscale = 1 };

    /// A panel with a black foreground, a white background, in the RGB color space.
    explicit BVColorWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~BVColorWidget() override;

    /// The foreground as stored, with its QColor::spec() (never reduced to web colors).
    QColor GetForeground() const;
    /// The background as stored, with its QColor::spec().
    QColor GetBackground() const;
    /// The display mode; not part of the saved state.
    Mode GetMode() const;
    /// Shows the swatches in color or gray; stored colors and signals are unaffected.
    void SetMode(Mode mode);

    /// The panel's colors and color space as 152 bytes.
    QByteArray Save() const;
    /// Takes over a state made by Save(). Returns false, changing nothing,
    /// when the data does not start with the panel's header. Emits nothing.
    bool Restore(const QByteArray& state);

public Q_SLOTS:
    /// Exchanges foreground and background, emitting both changes when they differ.
    void SwapColors();
    /// Black foreground, white background.
    void ResetColors();
    /// Stores the color and emits BackgroundChanged() unless it equals the current one (QColor::spec()
    /// included). An invalid color is stored and reported as it is; the swatch shows it as black.
    void SetBackground(const QColor& color);
    /// Stores the color and emits ForegroundChanged() unless it equals the current one (QColor::spec()
    /// included), then brings the wheel, editor, swatches and hex entry up to date. An invalid color is
    /// stored and reported as it is; the children show it as black.
    void SetForeground(const QColor& color);
    /// Puts the color at the front of the seven recent colors.
    void SetRecentColor(const QColor& color);
    /// Shows the color beside the picker icon.
    void SetRecentPicker(const QColor& color);

Q_SIGNALS:
    /// The foreground changed, by the user or by a slot; emitted before the children follow.
    void ForegroundChanged(const QColor& color);
    /// The background changed.
    void BackgroundChanged(const QColor& color);

private:
    Q_DISABLE_COPY(BVColorWidget)
    friend class BVColorWidgetPrivate;
    BVColorWidgetPrivate* const d;
};
