#include "BVSpinBox.h"

#include "BVAccessible.h"
#include "BVDisconnectChildren.h"
#include "EasySlider.h"
#include "SmartKeys.h"

#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

namespace {
// The gap between the box's bottom row and the popup's top row is one pixel.
constexpr int kPopupOffsetY = 2;

bool IsCursorOverButton(const QPushButton* button)
{
    return button->rect().contains(button->mapFromGlobal(QCursor::pos()));
}

// The screen that shows the button: found by where the button is, falling
// back to the screen the widget was last placed on and then the primary one.
QScreen* ScreenOfButton(const QPushButton* button)
{
    if (QScreen* screen = QGuiApplication::screenAt(button->mapToGlobal(button->rect().center())))
        return screen;
    if (QScreen* screen = button->screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

// Moves r into area. The shifts run left, top, right, bottom, so when r is
// larger than area its right and bottom edges end flush with the area's.
QRect FitInto(QRect r, const QRect& area)
{
    if (r.left() < area.left())
        r.translate(area.left() - r.left(), 0);
    if (r.top() < area.top())
        r.translate(0, area.top() - r.top());
    if (r.right() > area.right())
        r.translate(area.right() - r.right(), 0);
    if (r.bottom() > area.bottom())
        r.translate(0, area.bottom() - r.bottom());
    return r;
}

// The popup's button is the box's only push button.
QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(QPushButton::staticMetaObject.className())
        && qobject_cast<const BVSpinBox*>(object->parent()))
        return new BVAccessibleButton(static_cast<QWidget*>(object), QAccessible::Button, "BVSpinBox",
            QT_TRANSLATE_NOOP("BVSpinBox", "Show slider"));
    return nullptr;
}
} // namespace

class BVSpinBoxPrivate {
public:
    QPushButton* m_pButton = nullptr;
    QWidget* m_pPopup = nullptr;
    EasySlider* m_pSlider = nullptr;
};

BVSpinBox::BVSpinBox(QWidget* parent)
    : QSpinBox(parent)
    , d(new BVSpinBoxPrivate)
{
    BVInstallAccessibleFactory<CreateAccessible>();
    setButtonSymbols(QAbstractSpinBox::NoButtons);

    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    d->m_pButton = new QPushButton(this);
    d->m_pButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    // The spacer takes whatever width the box has, pushing the button to the
    // right end over the text area.
    layout->addItem(new QSpacerItem(2000, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), 0, 0);
    layout->addWidget(d->m_pButton, 0, 1);
    d->m_pButton->setCheckable(true);
    d->m_pButton->setFocusPolicy(Qt::NoFocus);
    connect(d->m_pButton, &QPushButton::toggled, this, &BVSpinBox::OnShowSlider);

    d->m_pPopup = new QWidget(this, Qt::Popup | Qt::FramelessWindowHint);
    d->m_pPopup->setAttribute(Qt::WA_TranslucentBackground);
    auto* popupLayout = new QGridLayout(d->m_pPopup);
    popupLayout->setSpacing(0);
    popupLayout->setContentsMargins(0, 0, 0, 0);

    d->m_pSlider = new EasySlider(Qt::Horizontal, d->m_pPopup);
    d->m_pSlider->setObjectName(QStringLiteral("PopupSlider"));
    popupLayout->addWidget(d->m_pSlider);
}

BVSpinBox::~BVSpinBox()
{
    // Closing here, while this is still a whole box, also drops the slider's
    // filter.
    d->m_pButton->setChecked(false);
    BVDisconnectChildren(this);
    delete d;
}

bool BVSpinBox::event(QEvent* event)
{
    // The popup is a window of its own, so hiding the box (or its window) or
    // disabling it would leave the popup floating over whatever comes next.
    if (event->type() == QEvent::Hide || (event->type() == QEvent::EnabledChange && !isEnabled()))
        d->m_pButton->setChecked(false);
    if (bvkeys::HandleSmartKey(this, event))
        return true;
    // Tab stays in the box: the popup's slider is the only other place it
    // could sensibly go, and that is opened with the button.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        event->accept();
        return true;
    }
    return QSpinBox::event(event);
}

bool BVSpinBox::eventFilter(QObject* watched, QEvent* event)
{
    if (qobject_cast<QSlider*>(watched) && watched == d->m_pSlider) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                d->m_pPopup->hide();
            break;
        case QEvent::Hide:
            // A left press on the button closes the popup first; leave the
            // button to the press, or its own toggle would open it again.
            if ((QGuiApplication::mouseButtons() & Qt::LeftButton) && IsCursorOverButton(d->m_pButton))
                break;
            if (d->m_pButton->isChecked())
                d->m_pButton->setChecked(false);
            break;
        case QEvent::WindowDeactivate:
            if (IsCursorOverButton(d->m_pButton) && d->m_pButton->isChecked())
                break;
            d->m_pPopup->hide();
            break;
        default:
            break;
        }
    }
    return QSpinBox::eventFilter(watched, event);
}

void BVSpinBox::OnShowSlider(bool show)
{
    QWidget* popup = d->m_pPopup;
    EasySlider* slider = d->m_pSlider;

    if (!show) {
        disconnect(slider, &QSlider::valueChanged, this, &QSpinBox::setValue);
        disconnect(this, QOverload<int>::of(&QSpinBox::valueChanged), slider, &QSlider::setValue);
        slider->removeEventFilter(this);
        popup->hide();
        return;
    }

    // The slider stands in for the box, so it is read out under the box's name.
    slider->setAccessibleName(QAccessible::queryAccessibleInterface(this)->text(QAccessible::Name));
    slider->setRange(minimum(), maximum());
    slider->setValue(value());
    connect(slider, &QSlider::valueChanged, this, &QSpinBox::setValue, Qt::UniqueConnection);
    connect(
        this, QOverload<int>::of(&QSpinBox::valueChanged), slider, &QSlider::setValue, Qt::UniqueConnection);

    // show() would size a popup nobody has resized to its layout's hint; do
    // that now so the placement below uses the size it will be shown at.
    if (!popup->testAttribute(Qt::WA_Resized)) {
        popup->adjustSize();
        popup->setAttribute(Qt::WA_Resized, false);
    }

    QPoint topLeft = mapToGlobal(rect().bottomRight());
    topLeft.rx() -= popup->width();
    topLeft.ry() += kPopupOffsetY;
    QRect placed(topLeft, popup->size());
    if (QScreen* screen = ScreenOfButton(d->m_pButton))
        placed = FitInto(placed, screen->availableGeometry());

    popup->move(placed.topLeft());
    popup->show();
    popup->raise();
    slider->setFocus(Qt::OtherFocusReason);
    slider->installEventFilter(this);
}
