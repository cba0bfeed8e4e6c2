#include "BVWizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSpacerItem>

namespace {

constexpr int kHeaderRow = 0;
constexpr int kPageRow = 1;
constexpr int kFooterRow = 2;
constexpr int kSpacing = 6;

} // namespace

class BVWizardPrivate {
public:
    explicit BVWizardPrivate(BVWizard* owner);

    QGridLayout* Grid() const;
    QHBoxLayout* Footer() const;
    void TakeOut(QWidget* widget) const;

    BVWizard* const m_pOwner;
    // Guarded: the host may delete a page it handed us, and we must not touch it then.
    QList<QPointer<QWidget>> m_pages;
    QHash<QWidget*, int> m_pageIndex;
    int m_currentIndex = -1;
};

BVWizardPrivate::BVWizardPrivate(BVWizard* owner)
    : m_pOwner(owner)
{
    auto* grid = new QGridLayout(m_pOwner);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    grid->addLayout(new QHBoxLayout(), kFooterRow, 0);
}

// The layouts are looked up rather than cached, so a wizard whose layout a
// host replaced degrades to doing nothing instead of using a stale pointer.
QGridLayout* BVWizardPrivate::Grid() const
{
    return qobject_cast<QGridLayout*>(m_pOwner->layout());
}

QHBoxLayout* BVWizardPrivate::Footer() const
{
    QGridLayout* grid = Grid();
    QLayoutItem* item = grid ? grid->itemAtPosition(kFooterRow, 0) : nullptr;
    return item ? qobject_cast<QHBoxLayout*>(item->layout()) : nullptr;
}

// Removes the widget's item from the grid and hides the widget, which stays a
// child of the wizard: only the layout item is ours to delete.
void BVWizardPrivate::TakeOut(QWidget* widget) const
{
    QGridLayout* grid = Grid();
    const int at = grid ? grid->indexOf(widget) : -1;
    if (at >= 0)
        delete grid->takeAt(at);
    widget->setVisible(false);
}

BVWizard::BVWizard(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , d(new BVWizardPrivate(this))
{ }

BVWizard::~BVWizard()
{
    delete d;
}

void BVWizard::AddPage(QWidget* page)
{
    if (!page)
        return;
    const int index = d->m_pages.size();
    // A page keeps the index it was first added at, unless that widget is
    // gone and this one was merely made at the same address.
    const auto found = d->m_pageIndex.constFind(page);
    if (found == d->m_pageIndex.constEnd() || d->m_pages.at(found.value()) != page)
        d->m_pageIndex.insert(page, index);
    d->m_pages.append(page);
    page->setVisible(false);
    if (d->m_currentIndex == -1)
        SetPage(0);
}

void BVWizard::SetPage(int index)
{
    if (index == d->m_currentIndex)
        return;
    if (d->m_currentIndex >= 0 && d->m_currentIndex < d->m_pages.size()) {
        if (QWidget* current = d->m_pages.at(d->m_currentIndex))
            d->TakeOut(current);
    }
    if (index < 0 || index >= d->m_pages.size()) {
        d->m_currentIndex = -1;
        return;
    }
    QWidget* page = d->m_pages.at(index);
    QGridLayout* grid = d->Grid();
    if (page && grid) {
        grid->addWidget(page, kPageRow, 0);
        page->setVisible(true);
    }
    d->m_currentIndex = index;
}

void BVWizard::SetPage(QWidget* page)
{
    const auto found = d->m_pageIndex.constFind(page);
    if (found != d->m_pageIndex.constEnd() && d->m_pages.at(found.value()) == page)
        SetPage(found.value());
}

QWidget* BVWizard::GetPage(int index) const
{
    if (index < 0 || index >= d->m_pages.size())
        return nullptr;
    return d->m_pages.at(index);
}

QWidget* BVWizard::GetPage() const
{
    return GetPage(d->m_currentIndex);
}

int BVWizard::GetPageCount() const
{
    return d->m_pages.size();
}

int BVWizard::GetPageIndex() const
{
    return d->m_currentIndex;
}

void BVWizard::SetHeader(QWidget* header)
{
    QGridLayout* grid = d->Grid();
    if (!grid)
        return;
    QLayoutItem* item = grid->itemAtPosition(kHeaderRow, 0);
    if (QWidget* old = item ? item->widget() : nullptr)
        d->TakeOut(old);
    if (header) {
        grid->addWidget(header, kHeaderRow, 0);
        header->setVisible(true);
    }
}

void BVWizard::AddFooterItem(QWidget* item)
{
    QHBoxLayout* footer = d->Footer();
    if (item && footer)
        footer->addWidget(item);
}

void BVWizard::AddFooterSpacer()
{
    if (QHBoxLayout* footer = d->Footer())
        footer->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
}
