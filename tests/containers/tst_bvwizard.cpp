#include "BVWizard.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QScopeGuard>
#include <QtTest>

namespace {

QWidget* Fixed(int width, int height, QWidget* parent = nullptr)
{
    auto* widget = new QWidget(parent);
    widget->setFixedSize(width, height);
    return widget;
}

// A row's calls: AddPage, SetPage with a widget, delete a widget (each of
// widget i of the pool, where 4 is null), or SetPage with an index.
constexpr int kAdd = 1000, kShow = 2000, kDelete = 3000;

} // namespace

class tst_BVWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pages_data();
    void pages();
    void ownership();
    void addressReused();
};

void tst_BVWizard::pages_data()
{
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<int>("expected"); // index shown

    const int A = kAdd;
    QTest::newRow("first page shown, null ignored") << QList<int> { A + 4, A, A + 1, A + 2 } << 0;
    QTest::newRow("-1") << QList<int> { A, A + 1, A + 2, 1, -1 } << -1;
    QTest::newRow("page count") << QList<int> { A, A + 1, A + 2, 3 } << -1;
    QTest::newRow("none shown, then one added") << QList<int> { A, A + 1, 1, 2, A + 2 } << 0;
    QTest::newRow("by widget") << QList<int> { A, A + 1, A + 2, kShow + 1 } << 1;
    QTest::newRow("widget never added") << QList<int> { A, A + 1, A + 2, 2, kShow + 3, kShow + 4 } << 2;
    // A widget added twice resolves to where it was first added.
    QTest::newRow("added twice, by index") << QList<int> { A, A + 1, A, 1, 2 } << 2;
    QTest::newRow("added twice, by widget") << QList<int> { A, A + 1, A, 1, kShow } << 0;
    // A page the host deletes is not touched again.
    QTest::newRow("shown page deleted") << QList<int> { A, A + 1, kDelete, 1, 0 } << 0;
}

void tst_BVWizard::pages()
{
    QFETCH(QList<int>, calls);
    QFETCH(int, expected);

    const bvtest::MessageCatcher messages;
    QWidget host;
    const QList<QPointer<QWidget>> pool { Fixed(40, 30, &host), Fixed(40, 30, &host), Fixed(40, 30, &host),
        Fixed(40, 30, &host), nullptr };
    BVWizard wizard;
    QPointer<QWidget> old = Fixed(30, 20);
    QWidget* header = Fixed(30, 20);
    // The header already set goes out and back in, shown.
    for (QWidget* h : { old.data(), header, header })
        wizard.SetHeader(h);
    const QList<QWidget*> footer { Fixed(10, 10), Fixed(10, 10), Fixed(10, 10) };
    for (QWidget* item : { footer[0], static_cast<QWidget*>(nullptr), footer[1] })
        wizard.AddFooterItem(item);
    wizard.AddFooterSpacer();
    wizard.AddFooterItem(footer[2]);
    QList<QPointer<QWidget>> pages;
    for (const int call : calls) {
        QWidget* widget = call >= kAdd ? pool.at(call % 1000) : nullptr;
        if (call >= kAdd && call < kShow && widget)
            pages.append(widget);
        if (call >= kDelete)
            delete widget;
        else if (call >= kShow)
            wizard.SetPage(widget);
        else if (call >= kAdd)
            wizard.AddPage(widget);
        else
            wizard.SetPage(call);
    }

    QCOMPARE(wizard.GetPageCount(), pages.size());
    QCOMPARE(wizard.GetPageIndex(), expected);
    QWidget* shown = pages.value(expected);
    QCOMPARE(wizard.GetPage(), shown);
    for (int i = 0; i <= pages.size(); ++i) {
        QCOMPARE(wizard.GetPage(i), pages.value(i).data());
        QCOMPARE(pages.value(i) && pages.at(i)->isHidden(), pages.value(i) && pages.at(i) != shown);
    }
    // Header, page and footer rows 6 apart, no margins; the spacer pushes the last footer item right.
    const int footerY = shown ? 62 : 26;
    QCOMPARE(wizard.sizeHint(), QSize(42, footerY + 10));
    wizard.resize(200, footerY + 10);
    wizard.layout()->activate();
    const QList<QRect> at { header->geometry(), shown ? shown->geometry() : QRect(0, 26, 40, 30),
        footer[0]->geometry(), footer[1]->geometry(), footer[2]->geometry() };
    QCOMPARE(at,
        (QList<QRect> { QRect(0, 0, 30, 20), QRect(0, 26, 40, 30), QRect(0, footerY, 10, 10),
            QRect(16, footerY, 10, 10), QRect(190, footerY, 10, 10) }));
    QVERIFY(old->isHidden());
    wizard.SetHeader(nullptr);
    QVERIFY(header->isHidden());
    QCOMPARE(messages.Messages(), QStringList());
}

void tst_BVWizard::ownership()
{
    QWidget host;
    QPointer<QWidget> shown = new QLabel(&host), never = new QLabel(&host), header = new QLabel;
    auto* wizard = new BVWizard;
    wizard->AddPage(shown);
    wizard->AddPage(never);
    wizard->SetHeader(header);
    wizard->SetHeader(nullptr);
    delete wizard;
    // What the wizard laid out went with it, a header it let go too; the page it never showed is the host's.
    QVERIFY(!shown && !header);
    QCOMPARE(never->parentWidget(), &host);
}

// A widget made where a deleted page lived is a stranger until it is added.
void tst_BVWizard::addressReused()
{
    alignas(QLabel) unsigned char storage[sizeof(QLabel)];
    BVWizard wizard;
    QLabel* page = new (storage) QLabel;
    const auto destroy = qScopeGuard([&] { page->~QLabel(); });
    wizard.AddPage(page);
    wizard.AddPage(new QLabel(&wizard));
    wizard.SetPage(1);
    page->~QLabel();
    page = new (storage) QLabel;
    wizard.SetPage(page);
    QCOMPARE(wizard.GetPageIndex(), 1);
    wizard.AddPage(page);
    wizard.SetPage(page);
    QCOMPARE(wizard.GetPageIndex(), 2);
}

QTEST_MAIN(tst_BVWizard)
#include "tst_bvwizard.moc"
