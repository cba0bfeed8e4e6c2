#pragma once

#include <bvwidgets_export.h>

#include <QWidget>

class BVSplitterPrivate;

/// A 32-pixel strip laid over its parent along a dividing line. Its position
/// is the line's place as a fraction (0.0 to 1.0) of the parent's width
/// (Qt::Vertical) or height (Qt::Horizontal). Dragged with the left button or
/// moved by the application-wide shortcuts Alt+1 to Alt+5 (and Left/Right for
/// a vertical line).
class BVWIDGETS_EXPORT BVSplitter : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double position READ GetPosition WRITE SetPosition NOTIFY PositionChanged)

public:
    /// The orientation names the direction of the line itself.
    explicit BVSplitter(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~BVSplitter() override;

    /// The orientation given at construction.
    Qt::Orientation GetOrientation() const;
    /// The line's place, 0.0 to 1.0 of the parent's width or height.
    double GetPosition() const;
    /// Clamped to [0.0, 1.0]; NaN gives 0.0.
    void SetPosition(double position);
    /// Moves by delta; with steps > 0 the move snaps to a grid of that many
    /// equal divisions.
    void MoveSlider(double delta, unsigned int steps);

Q_SIGNALS:
    /// Emitted after the strip moved to a new position.
    void PositionChanged(double position);

protected:
    /// \cond EVENT_HANDLERS
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent* event) override;
#else
    void enterEvent(QEvent* event) override;
#endif
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    /// \endcond

private:
    Q_DISABLE_COPY(BVSplitter)
    friend class BVSplitterPrivate;
    BVSplitterPrivate* const d;
};
