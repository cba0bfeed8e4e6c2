#include "BVWizard.h"
#include "TestSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QtTest>

namespace {

QWidget* WidgetAt(BVWizard& wizard, int row)
{
    QLayoutItem* item = static_cast<QGridLayout*>(wizard.layout())->itemAtPosition(row, 0);
    return item ? item->widget() : nullptr;
}

// Checks the wizard shows exactly the page at `index` (none for -1), in row 1.
void CheckShown(BVWizard& wizard, const QList<QWidget*>& pages, int index)
{
    QWidget* shown = index >= 0 ? pages.at(index) : nullptr;
    QCOMPARE(wizard.GetPageIndex(), index);
    QCOMPARE(wizard.GetPage(), shown);
    QCOMPARE(WidgetAt(wizard, 1), shown);
    for (QWidget* page : pages)
        QCOMPARE(page->isHidden(), page != shown);
}

// In a row's list of calls, kWidget + i stands for SetPage with widget i of
// the pool; widget 3 is never added.
constexpr int kWidget = 1000;

} // namespace

class tst_BVWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setPage_data();
    void setPage();
    void headerFooterAndOwnership();
    void addressReused();
};

void tst_BVWizard::setPage_data()
{
    QTest::addColumn<QList<int>>("added"); // widgets of the pool, in order
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<int>("expected");

    const QList<int> abc { 0, 1, 2 };
    QTest::newRow("first page shown") << abc << QList<int> {} << 0;
    QTest::newRow("-1") << abc << QList<int> { 1, -1 } << -1;
    QTest::newRow("page count") << abc << QList<int> { 3 } << -1;
    QTest::newRow("by widget") << abc << QList<int> { kWidget + 1 } << 1;
    QTest::newRow("widget never added") << abc << QList<int> { 2, kWidget + 3 } << 2;
    // A widget added twice resolves to where it was first added.
    QTest::newRow("added twice, by index") << QList<int> { 0, 1, 0 } << QList<int> { 1, 2 } << 2;
    QTest::newRow("added twice, by widget") << QList<int> { 0, 1, 0 } << QList<int> { 1, kWidget } << 0;
}

void tst_BVWizard::setPage()
{
    QFETCH(QList<int>, added);
    QFETCH(QList<int>, calls);
    QFETCH(int, expected);

    QWidget host;
    const QList<QWidget*> pool { new QLabel(&host), new QLabel(&host), new QLabel(&host), new QLabel(&host) };
    BVWizard wizard;
    QList<QWidget*> pages;
    for (const int i : added) {
        pages.append(pool.at(i));
        wizard.AddPage(pool.at(i));
    }
    for (const int call : calls) {
        if (call >= kWidget)
            wizard.SetPage(pool.at(call - kWidget));
        else
            wizard.SetPage(call);
    }
    QCOMPARE(wizard.GetPageCount(), added.size());
    CheckShown(wizard, pages, expected);

    // With no page shown, adding one brings back page 0.
    if (expected == -1) {
        wizard.AddPage(pool.at(3));
        CheckShown(wizard, pages, 0);
    }
}

void tst_BVWizard::headerFooterAndOwnership()
{
    QWidget host;
    QPointer<QWidget> a = new QLabel(&host), b = new QLabel(&host), never = new QLabel(&host);
    QPointer<QWidget> h1 = new QLabel, h2 = new QLabel, item = new QLabel, left2 = new QLabel,
                      right = new QLabel;
    {
        // Null footer items would only be reported by the layout.
        const bvtest::MessageCatcher messages;
        BVWizard wizard;
        QCOMPARE(wizard.GetPage(), nullptr);
        QCOMPARE(wizard.GetPageIndex(), -1);
        wizard.AddPage(nullptr);
        QCOMPARE(wizard.GetPageCount(), 0);
        for (QWidget* page : { a.data(), b.data(), never.data() })
            wizard.AddPage(page);
        wizard.SetPage(1);
        wizard.SetPage(-1);
        wizard.AddFooterItem(item);
        wizard.AddFooterItem(nullptr);
        wizard.AddFooterItem(left2);
        wizard.AddFooterSpacer();
        wizard.AddFooterItem(right);

        wizard.SetHeader(h1);
        wizard.SetHeader(h2);
        QCOMPARE(WidgetAt(wizard, 0), h2.data());
        QVERIFY(h1->isHidden());
        // The header already set goes out and back in, shown.
        wizard.SetHeader(h2);
        QVERIFY(!h2->isHidden());
        wizard.SetHeader(nullptr);
        QVERIFY(h2->isHidden());
        QCOMPARE(wizard.layout()->count(), 1); // the footer only
        QVERIFY(a && b && never && h1 && h2 && item);
        // Footer items before the spacer stay left, those after it go right.
        wizard.resize(600, 200);
        wizard.layout()->activate();
        QCOMPARE(item->x(), 0);
        QVERIFY(item->geometry().right() < left2->x());
        QCOMPARE(right->geometry().right(), wizard.width() - 1);
        QVERIFY(right->x() - left2->geometry().right() > 300);

        // A page the host deletes is not touched again.
        delete a;
        QCOMPARE(wizard.GetPage(0), nullptr);
        wizard.SetPage(0);
        wizard.SetPage(1);
        QCOMPARE(wizard.GetPage(), b.data());
        QCOMPARE(messages.Messages(), QStringList());
    }
    // What the wizard laid out went with it, as its children; the page it
    // never showed still belongs to the host.
    QVERIFY(!b && !h1 && !h2 && !item && !left2 && !right);
    QCOMPARE(never->parentWidget(), &host);
}

// A widget made where a deleted page lived is a stranger until it is added.
void tst_BVWizard::addressReused()
{
    alignas(QLabel) unsigned char storage[sizeof(QLabel)];
    BVWizard wizard;
    QLabel* page = new (storage) QLabel;
    const auto destroy = qScopeGuard([&] { page->~QLabel(); });
    QWidget* b = new QLabel(&wizard);
    wizard.AddPage(page);
    wizard.AddPage(b);
    wizard.SetPage(1);
    page->~QLabel();
    page = new (storage) QLabel;
    wizard.SetPage(page);
    QCOMPARE(wizard.GetPageIndex(), 1);
    wizard.AddPage(page);
    wizard.SetPage(page);
    QCOMPARE(wizard.GetPageIndex(), 2);
    QCOMPARE(wizard.GetPage(), page);
}

QTEST_MAIN(tst_BVWizard)
#include "tst_bvwizard.moc"
