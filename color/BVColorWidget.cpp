#include "BVColorWidget.h"

#include "BVAccessible.h"
#include "BVColorControl.h"
#include "BVColorEditor.h"
#include "BVColorMath.h"
#include "BVColorWheel.h"
#include "BVComboBox.h"
#include "BVDisconnectChildren.h"
#include "BVLanguageWatcher.h"
#include "BVQtCompat.h"
#include "BVStringHelper.h"
#include "SetButtonColor.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalMapper>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The whole version mark of a saved state; there is no separate version field.
const QString kStateHeader = QStringLiteral("BVColorWidget 1.0");
// Pinned so that a state saved by a build on either toolkit reads the same on
// the other: Qt 6 streams default to a newer format.
constexpr QDataStream::Version kStateStreamVersion = QDataStream::Qt_5_15;

enum Slot : int {
    Foreground = 0,
    Background = 1,
    Picker = 2,
    FirstRecent = 3,
    LastRecent = 9,
    SlotCount = 10,
};

using ColorSpace = BVColorEditor::ColorSpace;

// Writes to the child that `guard` protects, raising the guard meanwhile so
// the child's echo is ignored; does nothing while the guard is already up.
template <typename Write> void Guarded(bool& guard, Write write)
{
    if (guard)
        return;
    guard = true;
    write();
    guard = false;
}

void SetFixedButtonSize(QToolButton* button)
{
    button->setMinimumSize(QSize(16, 16));
    button->setMaximumSize(QSize(16, 16));
}

struct ColorWidgetForm {
    QGridLayout* gridLayout_2 = nullptr;
    BVColorWheel* m_pColorWheel = nullptr;
    QGridLayout* gridLayout = nullptr;
    BVColorControl* m_pColorControl = nullptr;
    QSpacerItem* horizontalSpacer = nullptr;
    QToolButton* m_pLastColor0 = nullptr;
    QSpacerItem* verticalSpacer = nullptr;
    QSpacerItem* verticalSpacer_2 = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* m_pPickerIcon = nullptr;
    QToolButton* m_pRecentPicker = nullptr;
    QSpacerItem* verticalSpacer_3 = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    BVComboBox* m_pColorSpace = nullptr;
    QLineEdit* m_pWebEditor = nullptr;
    QSpacerItem* horizontalSpacer_2 = nullptr;
    BVColorEditor* m_pColorEditor = nullptr;
    QFrame* line = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QLabel* label_2 = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QToolButton* m_pLastColor1 = nullptr;
    QToolButton* m_pLastColor2 = nullptr;
    QToolButton* m_pLastColor3 = nullptr;
    QToolButton* m_pLastColor4 = nullptr;
    QToolButton* m_pLastColor5 = nullptr;
    QToolButton* m_pLastColor6 = nullptr;

    // The swatches in slot order from Picker on: the one list of them.
    static constexpr QToolButton* ColorWidgetForm::*kSwatches[LastRecent - Picker + 1]
        = { &ColorWidgetForm::m_pRecentPicker, &ColorWidgetForm::m_pLastColor0,
              &ColorWidgetForm::m_pLastColor1, &ColorWidgetForm::m_pLastColor2,
              &ColorWidgetForm::m_pLastColor3, &ColorWidgetForm::m_pLastColor4,
              &ColorWidgetForm::m_pLastColor5, &ColorWidgetForm::m_pLastColor6 };

    void SetupUi(QWidget* ColorWidget)
    {
        if (ColorWidget->objectName().isEmpty())
            ColorWidget->setObjectName(QStringLiteral("ColorWidget"));
        ColorWidget->resize(354, 604);

        gridLayout_2 = new QGridLayout(ColorWidget);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));

        m_pColorWheel = new BVColorWheel(ColorWidget);
        m_pColorWheel->setObjectName(QStringLiteral("m_pColorWheel"));
        gridLayout = new QGridLayout(m_pColorWheel);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        m_pColorControl = new BVColorControl(m_pColorWheel);
        m_pColorControl->setObjectName(QStringLiteral("m_pColorControl"));
        gridLayout->addWidget(m_pColorControl, 0, 0, 1, 2);

        horizontalSpacer = new QSpacerItem(198, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        gridLayout->addItem(horizontalSpacer, 0, 2, 1, 1);

        m_pLastColor0 = new QToolButton(m_pColorWheel);
        m_pLastColor0->setObjectName(QStringLiteral("m_pLastColor0"));
        SetFixedButtonSize(m_pLastColor0);
        gridLayout->addWidget(m_pLastColor0, 1, 0, 1, 1);

        verticalSpacer = new QSpacerItem(20, 223, QSizePolicy::Minimum, QSizePolicy::Expanding);
        gridLayout->addItem(verticalSpacer, 1, 1, 3, 1);

        verticalSpacer_2 = new QSpacerItem(20, 133, QSizePolicy::Minimum, QSizePolicy::Expanding);
        gridLayout->addItem(verticalSpacer_2, 2, 0, 1, 1);

        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(0);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        m_pPickerIcon = new QLabel(m_pColorWheel);
        m_pPickerIcon->setObjectName(QStringLiteral("m_pPickerIcon"));
        m_pPickerIcon->setMinimumSize(QSize(32, 32));
        m_pPickerIcon->setMaximumSize(QSize(32, 32));
        verticalLayout->addWidget(m_pPickerIcon);
        m_pRecentPicker = new QToolButton(m_pColorWheel);
        m_pRecentPicker->setObjectName(QStringLiteral("m_pRecentPicker"));
        SetFixedButtonSize(m_pRecentPicker);
        verticalLayout->addWidget(m_pRecentPicker);
        verticalSpacer_3 = new QSpacerItem(0, 12, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer_3);
        gridLayout->addLayout(verticalLayout, 3, 0, 1, 1);

        gridLayout_2->addWidget(m_pColorWheel, 0, 0, 1, 1);

        horizontalLayout_3 = new QHBoxLayout();
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        m_pColorSpace = new BVComboBox(ColorWidget);
        // The texts come with RetranslateUi; adding the items makes index 0 current.
        m_pColorSpace->addItem(QString());
        m_pColorSpace->addItem(QString());
        m_pColorSpace->addItem(QString());
        m_pColorSpace->setObjectName(QStringLiteral("m_pColorSpace"));
        m_pColorSpace->setMinimumSize(QSize(80, 0));
        m_pColorSpace->setFocusPolicy(Qt::NoFocus);
        m_pColorSpace->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        horizontalLayout_3->addWidget(m_pColorSpace);

        m_pWebEditor = new QLineEdit(ColorWidget);
        m_pWebEditor->setObjectName(QStringLiteral("m_pWebEditor"));
        m_pWebEditor->setMinimumSize(QSize(70, 0));
        m_pWebEditor->setMaximumSize(QSize(70, 16777215));
        m_pWebEditor->setFocusPolicy(Qt::ClickFocus);
        m_pWebEditor->setMaxLength(4);
        horizontalLayout_3->addWidget(m_pWebEditor);

        horizontalSpacer_2 = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_2);

        gridLayout_2->addLayout(horizontalLayout_3, 1, 0, 1, 1);

        m_pColorEditor = new BVColorEditor(ColorWidget);
        m_pColorEditor->setObjectName(QStringLiteral("m_pColorEditor"));
        m_pColorEditor->setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum));
        gridLayout_2->addWidget(m_pColorEditor, 2, 0, 1, 1);

        line = new QFrame(ColorWidget);
        line->setObjectName(QStringLiteral("line"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        gridLayout_2->addWidget(line, 3, 0, 1, 1);

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        label_2 = new QLabel(ColorWidget);
        label_2->setObjectName(QStringLiteral("label_2"));
        label_2->setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred));
        label_2->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        horizontalLayout_2->addWidget(label_2);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        // The recent colors after the first, which lies on the wheel.
        for (int slot = FirstRecent + 1; slot <= LastRecent; ++slot) {
            QToolButton* button = new QToolButton(ColorWidget);
            button->setObjectName(QStringLiteral("m_pLastColor%1").arg(slot - FirstRecent));
            SetFixedButtonSize(button);
            horizontalLayout->addWidget(button);
            this->*kSwatches[slot - Picker] = button;
        }
        horizontalLayout_2->addLayout(horizontalLayout);

        gridLayout_2->addLayout(horizontalLayout_2, 4, 0, 1, 1);

        RetranslateUi(ColorWidget);

        QMetaObject::connectSlotsByName(ColorWidget);
    }

    void RetranslateUi(QWidget* ColorWidget)
    {
        ColorWidget->setWindowTitle(QCoreApplication::translate("ColorWidget", "Color widget"));
        m_pColorSpace->setItemText(0, QCoreApplication::translate("ColorWidget", "RGB"));
        m_pColorSpace->setItemText(1, QCoreApplication::translate("ColorWidget", "HSL"));
        m_pColorSpace->setItemText(2, QCoreApplication::translate("ColorWidget", "Web"));
        m_pWebEditor->setInputMask(QCoreApplication::translate("ColorWidget", "\\#HHH"));
        m_pWebEditor->setText(QCoreApplication::translate("ColorWidget", "#"));
        label_2->setText(QCoreApplication::translate("ColorWidget", "Previous colors:"));
        m_pRecentPicker->setAccessibleName(QCoreApplication::translate("ColorWidget", "Picked color"));
        m_pColorSpace->setAccessibleName(QCoreApplication::translate("ColorWidget", "Color space"));
        m_pWebEditor->setAccessibleName(QCoreApplication::translate("ColorWidget", "Hexadecimal color"));
        for (int slot = FirstRecent; slot <= LastRecent; ++slot) {
            QToolButton* swatch = this->*kSwatches[slot - Picker];
            swatch->setAccessibleName(
                QCoreApplication::translate("ColorWidget", "Recent color %1").arg(slot - FirstRecent + 1));
        }
    }
};

} // namespace

class BVColorWidgetPrivate {
public:
    explicit BVColorWidgetPrivate(BVColorWidget* widget);
    void Build();

    static const BVColorWidgetPrivate* Get(const BVColorWidget& widget) { return widget.d; }

    QToolButton* Swatch(int slot) const;
    void UpdateColors(int colorSpace);
    void UpdateRecentColors(int colorSpace);
    bool Store(int slot, const QColor& color);
    void Change(int slot, const QColor& color, bool* reporter = nullptr);
    void Swap();
    void Reset();

    void OnColorSpaceChanged(int index);
    void OnWebTextChanged(const QString& text);
    void OnEditorColorChanged();
    void OnWheelColorChanged();
    void OnRecentClicked(int slot);

    BVColorWidget* const m_pOwner;
    ColorWidgetForm m_ui;
    QSignalMapper* m_pMapper = nullptr;

    std::array<QColor, SlotCount> m_colors;
    int m_colorSpace = ColorSpace::Rgb;
    int m_mode = BVColorWidget::Color;
    bool m_blockWeb = true;
    bool m_blockEditor = false;
    bool m_blockWheel = false;
};

BVColorWidgetPrivate::BVColorWidgetPrivate(BVColorWidget* widget)
    : m_pOwner(widget)
{
    m_colors.fill(QColor(Qt::black));
    m_colors[Background] = QColor(Qt::white);
}

// Separate from construction: the accessibility factory finds the swatches
// through the panel's private object while the form builds and names them.
void BVColorWidgetPrivate::Build()
{
    m_ui.SetupUi(m_pOwner);
    // The retranslate step also resets the entry's mask and "#" text; in the
    // web space that must not count as an edit, and the entry keeps its digits.
    new BVLanguageWatcher(m_pOwner, [this] {
        const QString text = m_ui.m_pWebEditor->text();
        const bool blocked = std::exchange(m_blockWeb, true);
        m_ui.RetranslateUi(m_pOwner);
        m_ui.m_pWebEditor->setText(text);
        m_blockWeb = blocked;
    });
    m_ui.m_pColorWheel->SetMargins(QMargins(16, 0, 0, 0));

    const int ratio = BVQtCompat::IntegerDevicePixelRatio(m_ui.m_pPickerIcon);
    QPixmap picker(BVStringHelper::DPIAdjustImageName(QStringLiteral("theme:picker_gray.png")));
    // Scaling a null pixmap warns; a host without the image simply gets no icon.
    if (!picker.isNull()) {
        picker = picker.scaled(16 * ratio, 16 * ratio, Qt::KeepAspectRatio, Qt::FastTransformation);
        picker.setDevicePixelRatio(ratio);
    }
    m_ui.m_pPickerIcon->setPixmap(picker);

    m_ui.m_pWebEditor->hide();

    // The host's style sheets reach every swatch through this one name.
    for (int slot = Picker; slot <= LastRecent; ++slot)
        Swatch(slot)->setObjectName(QStringLiteral("COLOR"));

    UpdateColors(ColorSpace::Rgb);
    UpdateRecentColors(ColorSpace::Rgb);

    QObject::connect(
        m_ui.m_pColorSpace, QOverload<int>::of(&QComboBox::currentIndexChanged), m_pOwner,
        [this](int index) { OnColorSpaceChanged(index); }, Qt::DirectConnection);
    QObject::connect(
        m_ui.m_pWebEditor, &QLineEdit::textChanged, m_pOwner,
        [this](const QString& text) { OnWebTextChanged(text); }, Qt::DirectConnection);
    QObject::connect(
        m_ui.m_pColorEditor, &BVColorEditor::ColorChanged, m_pOwner, [this] { OnEditorColorChanged(); },
        Qt::DirectConnection);
    QObject::connect(
        m_ui.m_pColorControl, &BVColorControl::Swap, m_pOwner, [this] { Swap(); }, Qt::DirectConnection);
    QObject::connect(
        m_ui.m_pColorControl, &BVColorControl::Reset, m_pOwner, [this] { Reset(); }, Qt::DirectConnection);
    QObject::connect(
        m_ui.m_pColorWheel, &BVColorWheel::ColorChanged, m_pOwner, [this] { OnWheelColorChanged(); },
        Qt::DirectConnection);

    m_pMapper = new QSignalMapper(m_pOwner);
    for (int slot = Picker; slot <= LastRecent; ++slot) {
        QToolButton* swatch = Swatch(slot);
        m_pMapper->setMapping(swatch, slot);
        QObject::connect(swatch, SIGNAL(clicked()), m_pMapper, SLOT(map()));
    }
    QObject::connect(
        m_pMapper, &QSignalMapper::mappedInt, m_pOwner, [this](int slot) { OnRecentClicked(slot); },
        Qt::DirectConnection);
}

QToolButton* BVColorWidgetPrivate::Swatch(int slot) const
{
    return slot >= Picker && slot <= LastRecent ? m_ui.*ColorWidgetForm::kSwatches[slot - Picker] : nullptr;
}

void BVColorWidgetPrivate::UpdateColors(int colorSpace)
{
    if (!BVColorEditor::IsColorSpace(colorSpace))
        return;
    const QColor& foreground = m_colors[Foreground];
    if (colorSpace != ColorSpace::Web) {
        m_ui.m_pColorControl->SetForeground(foreground);
        m_ui.m_pColorControl->SetBackground(m_colors[Background]);
        Guarded(m_blockEditor, [&] { m_ui.m_pColorEditor->SetColor(foreground); });
        Guarded(m_blockWheel, [&] { m_ui.m_pColorWheel->SetColor(foreground); });
        return;
    }
    const QColor web = BVColorMath::ToWebColor(foreground);
    m_ui.m_pColorControl->SetForeground(web);
    Guarded(m_blockWheel, [&] { m_ui.m_pColorWheel->SetColor(web); });
    Guarded(m_blockEditor, [&] { m_ui.m_pColorEditor->SetColor(web); });
    m_ui.m_pColorControl->SetBackground(BVColorMath::ToWebColor(m_colors[Background]));
    // The mask supplies the leading "#".
    Guarded(m_blockWeb, [&] { m_ui.m_pWebEditor->setText(BVColorMath::WebDigits(web)); });
}

void BVColorWidgetPrivate::UpdateRecentColors(int colorSpace)
{
    if (!BVColorEditor::IsColorSpace(colorSpace))
        return;
    for (int slot = Picker; slot <= LastRecent; ++slot) {
        QColor shown = m_colors[slot];
        if (colorSpace == ColorSpace::Web)
            shown = BVColorMath::ToWebColor(shown);
        if (m_mode == BVColorWidget::Grayscale)
            shown = BVColorMath::ToGray(shown);
        SetButtonColor(Swatch(slot), shown);
    }
}

// Stores the foreground or background and tells the host, before any child
// follows, so a receiver already reads the new value; false if it was equal.
bool BVColorWidgetPrivate::Store(int slot, const QColor& color)
{
    if (color == m_colors[slot])
        return false;
    m_colors[slot] = color;
    // A copy, so a receiver that changes the colors does not change what later receivers get.
    const QColor stored = color;
    if (slot == Foreground)
        Q_EMIT m_pOwner->ForegroundChanged(stored);
    else
        Q_EMIT m_pOwner->BackgroundChanged(stored);
    return true;
}

// The one road of a color change: store, tell the host, update the children.
// A change a child reported keeps that child's guard up during the update,
// so the child is not written back while the user edits in it.
void BVColorWidgetPrivate::Change(int slot, const QColor& color, bool* reporter)
{
    if (!Store(slot, color))
        return;
    if (reporter)
        *reporter = true;
    UpdateColors(m_colorSpace);
    if (reporter)
        *reporter = false;
}

void BVColorWidgetPrivate::Swap()
{
    std::swap(m_colors[Foreground], m_colors[Background]);
    if (m_colors[Foreground] == m_colors[Background])
        return;
    // Both signals carry the swapped pair, whatever the first receivers do.
    const QColor foreground = m_colors[Foreground];
    const QColor background = m_colors[Background];
    Q_EMIT m_pOwner->ForegroundChanged(foreground);
    Q_EMIT m_pOwner->BackgroundChanged(background);
    UpdateColors(m_colorSpace);
}

void BVColorWidgetPrivate::Reset()
{
    Store(Foreground, QColor(Qt::black));
    Store(Background, QColor(Qt::white));
    // Always, so a reset also repairs what the children show.
    UpdateColors(m_colorSpace);
}

namespace {

// The panel and its swatches, the two on the wheel included: the wheel's
// factory takes only its markers. Swatches are asked for before they are
// named, so the form's pointers tell them.
QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(BVColorWidget::staticMetaObject.className()))
        return new BVAccessibleControl(static_cast<QWidget*>(object), QAccessible::Grouping, "BVColorWidget",
            QT_TRANSLATE_NOOP("BVColorWidget", "Color panel"));
    // A swatch lies on the panel or on its wheel.
    QObject* parent = object->parent();
    if (qobject_cast<const BVColorWheel*>(parent))
        parent = parent->parent();
    const auto* panel = qobject_cast<const BVColorWidget*>(parent);
    if (!panel)
        return nullptr;
    const ColorWidgetForm& ui = BVColorWidgetPrivate::Get(*panel)->m_ui;
    for (QToolButton* ColorWidgetForm::*swatch : ColorWidgetForm::kSwatches) {
        if (object == ui.*swatch)
            return BVCreateSwatchAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

BVColorWidget::BVColorWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new BVColorWidgetPrivate(this))
{
    BVInstallAccessibleFactory<CreateAccessible>();
    d->Build();
}

BVColorWidget::~BVColorWidget()
{
    BVDisconnectChildren(this);
    delete d;
}

QColor BVColorWidget::GetForeground() const
{
    return d->m_colors[Foreground];
}

QColor BVColorWidget::GetBackground() const
{
    return d->m_colors[Background];
}

BVColorWidget::Mode BVColorWidget::GetMode() const
{
    return Mode(d->m_mode);
}

void BVColorWidget::SetMode(Mode mode)
{
    if (mode == d->m_mode)
        return;
    d->m_mode = mode;
    d->m_ui.m_pColorControl->SetMode(BVColorControl::Mode(int(mode)));
    d->UpdateColors(d->m_colorSpace);
    d->UpdateRecentColors(d->m_colorSpace);
}

QByteArray BVColorWidget::Save() const
{
    QByteArray state;
    QDataStream stream(&state, QIODevice::WriteOnly);
    stream.setVersion(kStateStreamVersion);
    stream << kStateHeader << qint32(d->m_colorSpace);
    for (const QColor& color : d->m_colors)
        stream << color;
    return state;
}

// Bytes of one QColor in a data stream: its QColor::spec(), alpha and four components.
constexpr int kColorRecordSize = 11;

bool BVColorWidget::Restore(const QByteArray& state)
{
    QDataStream stream(state);
    stream.setVersion(kStateStreamVersion);
    QString header;
    stream >> header;
    if (header != kStateHeader)
        return false;

    // Past the header nothing is checked: what the stream cannot read comes
    // back as zero, and a missing color as an invalid one.
    qint32 colorSpace = 0;
    stream >> colorSpace;
    // QColor's stream operator stores the QColor::spec() byte unchecked, and a value
    // outside QColor::Spec makes every later copy of that color undefined.
    // Such a record reads as an invalid color; its other fields are kept.
    QByteArray records = state.mid(int(stream.device()->pos()));
    for (int at = 0; at < records.size(); at += kColorRecordSize) {
        const qint8 colorSpec = qint8(records.at(at));
        if (colorSpec < QColor::Invalid || colorSpec > QColor::ExtendedRgb)
            records[at] = char(QColor::Invalid);
    }
    stream.setDevice(nullptr);
    QDataStream colorStream(records);
    colorStream.setVersion(kStateStreamVersion);
    for (QColor& color : d->m_colors)
        colorStream >> color;

    d->UpdateColors(d->m_colorSpace);
    d->UpdateRecentColors(d->m_colorSpace);
    // An unknown color space leaves the selector without a current item.
    d->m_ui.m_pColorSpace->setCurrentIndex(colorSpace);
    d->m_colorSpace = colorSpace;
    return true;
}

void BVColorWidget::SwapColors()
{
    d->Swap();
}

void BVColorWidget::ResetColors()
{
    d->Reset();
}

void BVColorWidget::SetBackground(const QColor& color)
{
    d->Change(Background, color);
}

void BVColorWidget::SetForeground(const QColor& color)
{
    d->Change(Foreground, color);
}

void BVColorWidget::SetRecentColor(const QColor& color)
{
    int found = LastRecent;
    for (int slot = FirstRecent; slot <= LastRecent; ++slot) {
        if (d->m_colors[slot] == color) {
            found = slot;
            break;
        }
    }
    std::move_backward(
        d->m_colors.begin() + FirstRecent, d->m_colors.begin() + found, d->m_colors.begin() + found + 1);
    d->m_colors[FirstRecent] = color;
    d->UpdateRecentColors(d->m_colorSpace);
}

void BVColorWidget::SetRecentPicker(const QColor& color)
{
    d->m_colors[Picker] = color;
    d->UpdateRecentColors(d->m_colorSpace);
}

void BVColorWidgetPrivate::OnColorSpaceChanged(int index)
{
    if (index == m_colorSpace)
        return;
    m_colorSpace = index;
    // Hidden even while the panel itself is hidden, so showing the panel
    // later does not bring the entry back.
    if (index != ColorSpace::Web) {
        m_blockWeb = true;
        m_ui.m_pWebEditor->hide();
    }
    switch (index) {
    case ColorSpace::Rgb:
    case ColorSpace::Hsl:
        m_ui.m_pColorEditor->SetMode(index);
        break;
    case ColorSpace::Web:
        m_ui.m_pColorEditor->SetMode(ColorSpace::Web);
        m_ui.m_pWebEditor->show();
        m_blockWeb = false;
        break;
    default:
        break;
    }
    UpdateColors(index);
    UpdateRecentColors(index);
}

void BVColorWidgetPrivate::OnWebTextChanged(const QString& text)
{
    if (!m_blockWeb)
        Change(Foreground, BVColorMath::ParseWebDigits(text), &m_blockWeb);
}

void BVColorWidgetPrivate::OnEditorColorChanged()
{
    if (!m_blockEditor)
        Change(Foreground, m_ui.m_pColorEditor->GetColor(), &m_blockEditor);
}

void BVColorWidgetPrivate::OnWheelColorChanged()
{
    if (!m_blockWheel)
        Change(Foreground, m_ui.m_pColorWheel->GetColor(), &m_blockWheel);
}

void BVColorWidgetPrivate::OnRecentClicked(int slot)
{
    Change(Foreground, m_colors[slot]);
}
