#pragma once

#include <bvwidgets_export.h>

#include <QSpinBox>

class BVSpinBoxPrivate;

/// An integer spin box with a checkable button that opens a slider over the
/// box's range in a popup just below the box.
class BVWIDGETS_EXPORT BVSpinBox : public QSpinBox {
    Q_OBJECT

public:
    /// A box without arrows, its popup closed.
    explicit BVSpinBox(QWidget* parent = nullptr);
    ~BVSpinBox() override;

protected:
    /// \cond EVENT_HANDLERS
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// \endcond

private Q_SLOTS:
    void OnShowSlider(bool show);

private:
    Q_DISABLE_COPY(BVSpinBox)
    BVSpinBoxPrivate* const d;
};
