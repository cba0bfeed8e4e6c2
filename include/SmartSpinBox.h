#pragma once

#include <bvwidgets_export.h>

#include <QSpinBox>

/// An integer spin box that keeps Tab away from the host's shortcuts and
/// gives up keyboard focus on Escape, Return and Enter.
class BVWIDGETS_EXPORT SmartSpinBox : public QSpinBox {
    Q_OBJECT

public:
    /// A plain QSpinBox apart from its keys.
    explicit SmartSpinBox(QWidget* parent = nullptr);
    ~SmartSpinBox() override;

protected:
    /// \cond EVENT_HANDLERS
    bool event(QEvent* event) override;
    /// \endcond
};
