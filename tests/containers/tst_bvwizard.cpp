#include "BVWizard.h"
#include "TestSupport.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QtTest>

namespace {

QWidget* Fixed(int width, int height, QWidget* parent = nullptr)
{
    auto* widget = new QWidget(parent);
    widget->setFixedSize(width, height);
    return widget;
}

} // namespace

class tst_BVWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Calls on widgets 0 to 3 of a host's (4 is null): "aN" AddPage, "sN" SetPage with it, "dN"
    // deletes it, a number SetPage with an index → the index shown.
    void pages_data()
    {
        bvtest::Rows({ { "a4 a0 a1 a2", "0" }, { "a0 a1 a2 1 -1", "-1" }, { "a0 a1 a2 3", "-1" },
            { "a0 a1 1 2 a2", "0" }, { "a0 a1 a2 s1", "1" }, { "a0 a1 a2 2 s3 s4", "2" },
            { "a0 a1 a0 1 2", "2" }, { "a0 a1 a0 1 s0", "0" }, // added twice: where it was first added
            { "a0 a1 d0 1 0", "0" } }); // a page the host deletes is not touched again
    }

    // The header set goes out and back in, shown.
    void pages()
    {
        QFETCH(QString, input);
        const bvtest::MessageCatcher messages;
        QWidget host;
        QList<QPointer<QWidget>> pool;
        for (int i = 0; i < 4; ++i)
            pool << Fixed(40, 30, &host);
        pool << nullptr;
        BVWizard wizard;
        QPointer<QWidget> old = Fixed(30, 20);
        QWidget* header = Fixed(30, 20);
        for (QWidget* h : { old.data(), header, header })
            wizard.SetHeader(h);
        const QList<QWidget*> footer { Fixed(10, 10), Fixed(10, 10), Fixed(10, 10) };
        for (QWidget* item : { footer[0], static_cast<QWidget*>(nullptr), footer[1] })
            wizard.AddFooterItem(item);
        wizard.AddFooterSpacer();
        wizard.AddFooterItem(footer[2]);
        QList<QPointer<QWidget>> pages;
        for (const QString& call : input.split(QLatin1Char(' '))) {
            QWidget* widget = pool.value(call.mid(1).toInt());
            if (call.startsWith(QLatin1Char('a'))) {
                if (widget)
                    pages << widget;
                wizard.AddPage(widget);
            } else if (call.startsWith(QLatin1Char('s')))
                wizard.SetPage(widget);
            else if (call.startsWith(QLatin1Char('d')))
                delete widget;
            else
                wizard.SetPage(call.toInt());
        }
        QTEST(QString::number(wizard.GetPageIndex()), "expected");
        QCOMPARE(wizard.GetPageCount(), pages.size());
        QWidget* shown = pages.value(wizard.GetPageIndex());
        QCOMPARE(wizard.GetPage(), shown);
        for (int i = 0; i <= pages.size(); ++i) {
            QCOMPARE(wizard.GetPage(i), pages.value(i).data());
            QCOMPARE(pages.value(i) && pages.at(i)->isHidden(), pages.value(i) && pages.at(i) != shown);
        }
        QVERIFY(old->isHidden());
        wizard.SetHeader(nullptr);
        QVERIFY(header->isHidden());
        QCOMPARE(messages.Messages(), QStringList());
    }

    // What the wizard laid out goes with it, a header it let go too; a page it never showed is
    // the host's.
    void ownership()
    {
        QWidget host;
        QPointer<QWidget> shown = new QLabel(&host), never = new QLabel(&host), header = new QLabel;
        auto* wizard = new BVWizard;
        wizard->AddPage(shown);
        wizard->AddPage(never);
        wizard->SetHeader(header);
        wizard->SetHeader(nullptr);
        delete wizard;
        QVERIFY(!shown && !header);
        QCOMPARE(never->parentWidget(), &host);
    }
};

QTEST_MAIN(tst_BVWizard)
#include "tst_bvwizard.moc"
