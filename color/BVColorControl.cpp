#include "BVColorControl.h"

#include "BVAccessible.h"
#include "BVColorMath.h"
#include "BVDisconnectChildren.h"
#include "BVLanguageWatcher.h"
#include "SetButtonColor.h"

#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>

namespace {

struct ColorControlForm {
    QToolButton* m_pForeground = nullptr;
    QToolButton* m_pBackground = nullptr;
    QToolButton* m_pReset = nullptr;
    QToolButton* m_pSwap = nullptr;

    void SetupUi(QWidget* ColorControl);
    void RetranslateUi(QWidget* ColorControl);
};

QToolButton* CreateButton(QWidget* parent, const QString& name, const QRect& geometry, const QSize& iconSize,
    const QString& iconFile = QString())
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    if (!iconFile.isEmpty()) {
        QIcon icon;
        icon.addFile(iconFile, QSize(), QIcon::Normal, QIcon::Off);
        button->setIcon(icon);
    }
    button->setIconSize(iconSize);
    return button;
}

void ColorControlForm::SetupUi(QWidget* ColorControl)
{
    if (ColorControl->objectName().isEmpty())
        ColorControl->setObjectName(QStringLiteral("ColorControl"));
    ColorControl->resize(36, 36);
    ColorControl->setSizePolicy(QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    ColorControl->setMinimumSize(QSize(36, 36));
    ColorControl->setMaximumSize(QSize(36, 36));
    ColorControl->setBaseSize(QSize(36, 36));

    m_pForeground
        = CreateButton(ColorControl, QStringLiteral("m_pForeground"), QRect(0, 0, 24, 24), QSize(20, 20));
    m_pBackground
        = CreateButton(ColorControl, QStringLiteral("m_pBackground"), QRect(12, 12, 24, 24), QSize(20, 20));
    m_pReset = CreateButton(ColorControl, QStringLiteral("m_pReset"), QRect(0, 25, 11, 11), QSize(8, 8),
        QStringLiteral("theme:toolbar_color_reset.png"));
    m_pSwap = CreateButton(ColorControl, QStringLiteral("m_pSwap"), QRect(25, 0, 11, 11), QSize(11, 11),
        QStringLiteral("theme:toolbar_color_swap.png"));

    // The foreground swatch must cover the background's top-left corner.
    m_pBackground->raise();
    m_pReset->raise();
    m_pSwap->raise();
    m_pForeground->raise();

    RetranslateUi(ColorControl);
    QMetaObject::connectSlotsByName(ColorControl);
}

void ColorControlForm::RetranslateUi(QWidget* ColorControl)
{
    ColorControl->setWindowTitle(QCoreApplication::translate("ColorControl", "ColorControl"));
    m_pForeground->setToolTip(QCoreApplication::translate("ColorControl", "Foreground color"));
    m_pBackground->setToolTip(QCoreApplication::translate("ColorControl", "Background color"));
    m_pReset->setToolTip(QCoreApplication::translate("ColorControl", "Reset to default (D)"));
    m_pSwap->setToolTip(QCoreApplication::translate("ColorControl", "Swap colors (X)"));
    m_pForeground->setAccessibleName(QCoreApplication::translate("ColorControl", "Foreground color"));
    m_pBackground->setAccessibleName(QCoreApplication::translate("ColorControl", "Background color"));
    m_pReset->setAccessibleName(QCoreApplication::translate("ColorControl", "Reset colors"));
    m_pSwap->setAccessibleName(QCoreApplication::translate("ColorControl", "Swap colors"));
}

} // namespace

class BVColorControlPrivate {
public:
    explicit BVColorControlPrivate(BVColorControl* control)
        : m_pOwner(control)
    { }

    static const BVColorControlPrivate* Get(const BVColorControl& control) { return control.d; }

    void ShowColor(QToolButton* swatch, const QColor& color) const;

    BVColorControl* const m_pOwner;
    ColorControlForm m_ui;
    int m_mode = BVColorControl::Color;
};

void BVColorControlPrivate::ShowColor(QToolButton* swatch, const QColor& color) const
{
    SetButtonColor(swatch, m_mode == BVColorControl::Grayscale ? BVColorMath::ToGray(color) : color);
}

namespace {

// The control and its buttons. The buttons are asked for while the form
// builds them, before they are named, so the form's pointers tell them.
QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(BVColorControl::staticMetaObject.className()))
        return new BVAccessibleControl(static_cast<QWidget*>(object), QAccessible::Grouping, "BVColorControl",
            QT_TRANSLATE_NOOP("BVColorControl", "Foreground and background colors"));
    const auto* control = qobject_cast<const BVColorControl*>(object->parent());
    if (!control)
        return nullptr;
    const ColorControlForm& ui = BVColorControlPrivate::Get(*control)->m_ui;
    if (object == ui.m_pForeground || object == ui.m_pBackground)
        return BVCreateSwatchAccessible(static_cast<QWidget*>(object));
    if (object == ui.m_pReset || object == ui.m_pSwap)
        return new BVAccessibleButton(static_cast<QWidget*>(object), QAccessible::Button);
    return nullptr;
}

} // namespace

BVColorControl::BVColorControl(QWidget* parent)
    : QWidget(parent)
    , d(new BVColorControlPrivate(this))
{
    BVInstallAccessibleFactory<CreateAccessible>();
    d->m_ui.SetupUi(this);
    new BVLanguageWatcher(this, [this] { d->m_ui.RetranslateUi(this); });
    connect(d->m_ui.m_pBackground, SIGNAL(clicked()), this, SIGNAL(Swap()));
    connect(d->m_ui.m_pForeground, SIGNAL(clicked()), this, SIGNAL(Activate()));
    connect(d->m_ui.m_pSwap, SIGNAL(clicked()), this, SIGNAL(Swap()));
    connect(d->m_ui.m_pReset, SIGNAL(clicked()), this, SIGNAL(Reset()));
    // The host's style sheets address every color swatch by this one name.
    d->m_ui.m_pForeground->setObjectName(QStringLiteral("COLOR"));
    d->m_ui.m_pBackground->setObjectName(QStringLiteral("COLOR"));
}

BVColorControl::~BVColorControl()
{
    BVDisconnectChildren(this);
    delete d;
}

void BVColorControl::SetMode(Mode mode)
{
    d->m_mode = mode;
}

void BVColorControl::SetBackground(const QColor& color)
{
    d->ShowColor(d->m_ui.m_pBackground, color);
}

void BVColorControl::SetForeground(const QColor& color)
{
    d->ShowColor(d->m_ui.m_pForeground, color);
}
