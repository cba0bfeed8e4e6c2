#include "BVWizard.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

QGridLayout* Grid(BVWizard& wizard)
{
    return qobject_cast<QGridLayout*>(wizard.layout());
}

QWidget* WidgetAt(BVWizard& wizard, int row)
{
    QLayoutItem* item = Grid(wizard)->itemAtPosition(row, 0);
    return item ? item->widget() : nullptr;
}

// Pages a, b, c, added in that order unless a row says otherwise.
struct Pages {
    QWidget host;
    QLabel* a = new QLabel(QStringLiteral("a"), &host);
    QLabel* b = new QLabel(QStringLiteral("b"), &host);
    QLabel* c = new QLabel(QStringLiteral("c"), &host);
};

} // namespace

class tst_BVWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newWizard();
    void layout();
    void addPage();
    void setPageByIndex_data();
    void setPageByIndex();
    void setPageByWidget();
    void addAfterNoPage();
    void duplicatePage();
    void header();
    void footerOrder();
    void nullInputsIgnored();
    void ownership();
};

void tst_BVWizard::newWizard()
{
    BVWizard wizard;
    QCOMPARE(wizard.GetPageCount(), 0);
    QCOMPARE(wizard.GetPageIndex(), -1);
    QCOMPARE(wizard.GetPage(), nullptr);
    QCOMPARE(wizard.GetPage(0), nullptr);
    // No meta-object of its own: hosts see a plain QWidget.
    QCOMPARE(wizard.metaObject(), &QWidget::staticMetaObject);

    BVWizard window(nullptr, Qt::Tool);
    QCOMPARE(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
}

void tst_BVWizard::layout()
{
    BVWizard wizard;
    QGridLayout* grid = Grid(wizard);
    QVERIFY(grid);
    QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->columnCount(), 1);
    QLayoutItem* footer = grid->itemAtPosition(2, 0);
    QVERIFY(footer);
    QVERIFY(qobject_cast<QHBoxLayout*>(footer->layout()));
}

void tst_BVWizard::addPage()
{
    Pages pages;
    BVWizard wizard;
    wizard.show();

    wizard.AddPage(pages.a);
    QCOMPARE(wizard.GetPageIndex(), 0);
    QCOMPARE(wizard.GetPage(), pages.a);
    QCOMPARE(WidgetAt(wizard, 1), pages.a);
    QVERIFY(pages.a->isVisible());

    wizard.AddPage(pages.b);
    QCOMPARE(wizard.GetPageCount(), 2);
    QCOMPARE(wizard.GetPageIndex(), 0);
    QCOMPARE(WidgetAt(wizard, 1), pages.a);
    QVERIFY(pages.a->isVisible());
    QVERIFY(pages.b->isHidden());
    QCOMPARE(wizard.GetPage(1), pages.b);
    // Never shown, so it still belongs to the host.
    QCOMPARE(pages.b->parentWidget(), &pages.host);
}

void tst_BVWizard::setPageByIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("next") << 1 << 1;
    QTest::newRow("last") << 2 << 2;
    QTest::newRow("current") << 0 << 0;
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("very negative") << INT_MIN << -1;
    QTest::newRow("page count") << 3 << -1;
    QTest::newRow("far beyond") << INT_MAX << -1;
}

void tst_BVWizard::setPageByIndex()
{
    QFETCH(int, index);
    QFETCH(int, expectedIndex);

    Pages pages;
    BVWizard wizard;
    wizard.show();
    const QList<QWidget*> all { pages.a, pages.b, pages.c };
    for (QWidget* page : all)
        wizard.AddPage(page);

    wizard.SetPage(index);
    QCOMPARE(wizard.GetPageIndex(), expectedIndex);
    QWidget* shown = expectedIndex >= 0 ? all.at(expectedIndex) : nullptr;
    QCOMPARE(wizard.GetPage(), shown);
    QCOMPARE(WidgetAt(wizard, 1), shown);
    for (QWidget* page : all)
        QCOMPARE(page->isVisible(), page == shown);

    // Asking again for the same index changes nothing.
    wizard.SetPage(index);
    QCOMPARE(wizard.GetPageIndex(), expectedIndex);
    QCOMPARE(WidgetAt(wizard, 1), shown);
}

void tst_BVWizard::setPageByWidget()
{
    Pages pages;
    BVWizard wizard;
    wizard.show();
    wizard.AddPage(pages.a);
    wizard.AddPage(pages.b);

    wizard.SetPage(pages.b);
    QCOMPARE(wizard.GetPageIndex(), 1);
    QVERIFY(pages.b->isVisible());
    QVERIFY(pages.a->isHidden());

    wizard.SetPage(pages.c);
    QCOMPARE(wizard.GetPageIndex(), 1);
    QVERIFY(pages.b->isVisible());
}

void tst_BVWizard::addAfterNoPage()
{
    Pages pages;
    BVWizard wizard;
    wizard.show();
    wizard.AddPage(pages.a);
    wizard.AddPage(pages.b);
    wizard.SetPage(1);
    wizard.SetPage(5);
    QCOMPARE(wizard.GetPage(), nullptr);

    // With no page shown, the next page added brings back page 0.
    wizard.AddPage(pages.c);
    QCOMPARE(wizard.GetPageIndex(), 0);
    QCOMPARE(WidgetAt(wizard, 1), pages.a);
    QVERIFY(pages.a->isVisible());
    QVERIFY(pages.b->isHidden());
    QVERIFY(pages.c->isHidden());
}

void tst_BVWizard::duplicatePage()
{
    Pages pages;
    BVWizard wizard;
    wizard.show();
    wizard.AddPage(pages.a);
    wizard.AddPage(pages.b);
    wizard.AddPage(pages.a);
    QCOMPARE(wizard.GetPageCount(), 3);
    QCOMPARE(wizard.GetPage(2), pages.a);

    wizard.SetPage(2);
    QCOMPARE(WidgetAt(wizard, 1), pages.a);
    QVERIFY(pages.a->isVisible());

    // A widget added twice resolves to where it was first added.
    wizard.SetPage(pages.a);
    QCOMPARE(wizard.GetPageIndex(), 0);
    QCOMPARE(WidgetAt(wizard, 1), pages.a);
    QVERIFY(pages.a->isVisible());
    QCOMPARE(Grid(wizard)->count(), 2);
}

void tst_BVWizard::header()
{
    BVWizard wizard;
    wizard.show();
    auto* h1 = new QLabel(QStringLiteral("h1"));
    QPointer<QLabel> h2 = new QLabel(QStringLiteral("h2"));

    wizard.SetHeader(h1);
    QCOMPARE(WidgetAt(wizard, 0), h1);
    QVERIFY(h1->isVisible());

    wizard.SetHeader(h2);
    QCOMPARE(WidgetAt(wizard, 0), h2.data());
    QVERIFY(h1->isHidden());
    QCOMPARE(h1->parentWidget(), &wizard);
    QCOMPARE(Grid(wizard)->indexOf(h1), -1);

    // The header already set goes out and back in, shown.
    wizard.SetHeader(h2);
    QCOMPARE(WidgetAt(wizard, 0), h2.data());
    QVERIFY(h2->isVisible());

    wizard.SetHeader(nullptr);
    QCOMPARE(WidgetAt(wizard, 0), nullptr);
    QVERIFY(h2->isHidden());
    QVERIFY(!h2.isNull());
    QCOMPARE(Grid(wizard)->count(), 1);
}

void tst_BVWizard::footerOrder()
{
    BVWizard wizard;
    auto* left1 = new QLabel(QStringLiteral("left 1"));
    auto* left2 = new QLabel(QStringLiteral("left 2"));
    auto* right = new QLabel(QStringLiteral("right"));
    wizard.AddFooterItem(left1);
    wizard.AddFooterItem(left2);
    wizard.AddFooterSpacer();
    wizard.AddFooterItem(right);
    wizard.resize(600, 200);
    wizard.show();
    wizard.layout()->activate();

    QVERIFY(left1->geometry().right() < left2->geometry().left());
    QCOMPARE(left1->x(), 0);
    QCOMPARE(right->geometry().right(), wizard.width() - 1);
    // The spacer takes up the free width between the two groups.
    QVERIFY(right->x() - left2->geometry().right() > 300);
}

void tst_BVWizard::nullInputsIgnored()
{
    BVWizard wizard;
    wizard.AddPage(nullptr);
    QCOMPARE(wizard.GetPageCount(), 0);
    QCOMPARE(wizard.GetPageIndex(), -1);

    wizard.AddFooterItem(nullptr);
    QLayout* footer = Grid(wizard)->itemAtPosition(2, 0)->layout();
    QCOMPARE(footer->count(), 0);

    QLabel page(QStringLiteral("page"));
    wizard.AddPage(&page);
    wizard.SetPage(static_cast<QWidget*>(nullptr));
    QCOMPARE(wizard.GetPageIndex(), 0);
}

void tst_BVWizard::ownership()
{
    QWidget host;
    QPointer<QWidget> a = new QLabel(QStringLiteral("a"), &host);
    QPointer<QWidget> b = new QLabel(QStringLiteral("b"), &host);
    QPointer<QWidget> never = new QLabel(QStringLiteral("never shown"), &host);
    QPointer<QWidget> header = new QLabel(QStringLiteral("header"));
    QPointer<QWidget> item = new QLabel(QStringLiteral("item"));
    {
        BVWizard wizard;
        wizard.AddPage(a);
        wizard.AddPage(b);
        wizard.AddPage(never);
        wizard.SetPage(1);
        wizard.SetPage(-1);
        wizard.SetHeader(header);
        wizard.SetHeader(nullptr);
        wizard.AddFooterItem(item);
        QVERIFY(a && b && never && header && item);
        QCOMPARE(b->parentWidget(), &wizard);

        // A page the host deletes itself is not touched again.
        delete a;
        QCOMPARE(wizard.GetPage(0), nullptr);
        wizard.SetPage(0);
        wizard.SetPage(1);
        QCOMPARE(wizard.GetPage(), b.data());
    }
    // Widgets the wizard laid out went with it, as its children; the page
    // it never showed still belongs to the host.
    QVERIFY(b.isNull());
    QVERIFY(header.isNull());
    QVERIFY(item.isNull());
    QVERIFY(!never.isNull());
    QCOMPARE(never->parentWidget(), &host);
}

QTEST_MAIN(tst_BVWizard)
#include "tst_bvwizard.moc"
