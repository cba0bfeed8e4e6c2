#pragma once

#include <bvwidgets_export.h>

#include <QColor>
#include <QWidget>

class BVColorControlPrivate;

/// Foreground/background swatches with reset and swap buttons, 36 x 36.
/// Shows the colors it is given and reports clicks; it changes no color itself.
class BVWIDGETS_EXPORT BVColorControl : public QWidget {
    Q_OBJECT

public:
    /// How the swatches show their colors. Any value other than Grayscale
    /// behaves as Color.
    enum Mode : int { Color = 0, Grayscale = 1 };

    /// Builds the 36 x 36 control; the swatches stay empty until the first color.
    explicit BVColorControl(QWidget* parent = nullptr);
    ~BVColorControl() override;

    /// Takes effect from the next SetForeground()/SetBackground().
    void SetMode(Mode mode);

public Q_SLOTS:
    /// Shows the color on the background swatch (gray in Grayscale mode).
    void SetBackground(const QColor& color);
    /// Shows the color on the foreground swatch (gray in Grayscale mode).
    void SetForeground(const QColor& color);

Q_SIGNALS:
    /// The background swatch or the swap button was clicked.
    void Swap();
    /// The reset button was clicked.
    void Reset();
    /// The foreground swatch was clicked.
    void Activate();

private:
    Q_DISABLE_COPY(BVColorControl)
    friend class BVColorControlPrivate;
    BVColorControlPrivate* const d;
};
