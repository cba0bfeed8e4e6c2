#pragma once

#include <bvwidgets_export.h>

#include <QSlider>

/// A slider that jumps straight to the pressed point (any mouse button) and
/// follows the mouse while the button is held. A slider named "PopupSlider"
/// ignores 12 pixels at each end of its groove. Drawn left to right in a
/// right-to-left application too, so the handle lands under the pointer; a
/// layout direction set on the slider itself still applies.
class BVWIDGETS_EXPORT EasySlider : public QSlider {
    Q_OBJECT

public:
    /// A horizontal slider.
    explicit EasySlider(QWidget* parent = nullptr);
    /// A slider of the given orientation.
    explicit EasySlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~EasySlider() override;

protected:
    /// \cond EVENT_HANDLERS
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    /// \endcond

private:
    void updateSliderPosition(int x);

    bool m_bHovered = false;
    bool m_bPressed = false;
};
