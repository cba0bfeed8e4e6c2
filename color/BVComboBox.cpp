#include "BVComboBox.h"

#include <QListView>

BVComboBox::BVComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // setView() takes ownership of the view.
    setView(new QListView());
}

BVComboBox::~BVComboBox() = default;
