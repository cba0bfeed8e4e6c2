#pragma once

#include <bvwidgets_export.h>

#include <QWidget>

class BVWizardPrivate;

/// Shows one host-supplied page at a time between a header and a footer row.
/// It has no navigation of its own. It never deletes a widget itself: the widgets
/// it lays out become its children and go with it, as Qt's parent chain does.
class BVWIDGETS_EXPORT BVWizard : public QWidget {
public:
    /// An empty wizard: no header, no page, an empty footer row.
    explicit BVWizard(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~BVWizard() override;

    /// Appends a page, hidden; the first page added is shown. Null is ignored.
    void AddPage(QWidget* page);
    /// Shows the page at the index; an index out of range shows no page.
    void SetPage(int index);
    /// Shows the page at the index where the widget was first added; does
    /// nothing for a widget never added (or one deleted since).
    void SetPage(QWidget* page);
    /// The page at the index, or null.
    QWidget* GetPage(int index) const;
    /// The page shown, or null.
    QWidget* GetPage() const;
    /// How many pages were added (a page added twice counts twice).
    int GetPageCount() const;
    /// Index of the page shown, -1 when none is.
    int GetPageIndex() const;
    /// Replaces the header; null removes it. The old header stays, hidden.
    void SetHeader(QWidget* header);
    /// Appends a widget to the footer row. Null is ignored.
    void AddFooterItem(QWidget* item);
    /// Appends an expanding spacer to the footer row.
    void AddFooterSpacer();

private:
    Q_DISABLE_COPY(BVWizard)
    friend class BVWizardPrivate;
    BVWizardPrivate* const d;
};
