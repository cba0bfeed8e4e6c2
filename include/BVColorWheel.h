#pragma once

#include <bvwidgets_export.h>

#include <QColor>
#include <QMargins>
#include <QWidget>

class BVColorWheelPrivate;

/// Hue ring with an HSL triangle inside. The ring and the triangle are
/// rendered in the global thread pool; the wheel only draws the cached images.
/// Emits ColorChanged() whenever the held color changes, by SetColor() or by
/// the mouse.
class BVWIDGETS_EXPORT BVColorWheel : public QWidget {
    Q_OBJECT

public:
    /// Starts the first renders; the wheel holds black until SetColor().
    explicit BVColorWheel(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~BVColorWheel() override;

    /// The held color, as QColor::Hsl with alpha 255.
    QColor GetColor() const;
    /// Takes the color's hue, saturation and lightness (alpha is ignored).
    /// Emits ColorChanged() unless the color equals GetColor(), QColor::spec() included.
    /// An invalid color reads as black.
    void SetColor(const QColor& color);
    /// Space kept free around the wheel, in logical pixels. Re-renders both images.
    void SetMargins(const QMargins& margins);

Q_SIGNALS:
    /// The held color changed; read it with GetColor().
    void ColorChanged();

protected:
    /// \cond EVENT_HANDLERS
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// \endcond

private:
    Q_DISABLE_COPY(BVColorWheel)
    friend class BVColorWheelPrivate;
    BVColorWheelPrivate* const d;
};
