#pragma once

#include <bvwidgets_export.h>

#include <QDoubleSpinBox>

/// A floating-point spin box that keeps Tab away from the host's shortcuts
/// and gives up keyboard focus on Escape, Return and Enter.
class BVWIDGETS_EXPORT SmartDoubleSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    /// A plain QDoubleSpinBox apart from its keys.
    explicit SmartDoubleSpinBox(QWidget* parent = nullptr);
    ~SmartDoubleSpinBox() override;

protected:
    /// \cond EVENT_HANDLERS
    bool event(QEvent* event) override;
    /// \endcond
};
