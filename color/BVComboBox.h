#pragma once

#include <QComboBox>

// The color panel's color-space selector. It has a list view of its own as
// popup, so the host's style sheets can reach the items as a plain list.
class BVComboBox : public QComboBox {
public:
    explicit BVComboBox(QWidget* parent = nullptr);
    ~BVComboBox() override;
};
