#include "BVWizard.h"
#include "TestSupport.h"

class tst_BVWizard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Calls on a host's widgets 0 to 3 (4 is null): "aN" AddPage, "sN" SetPage with it, "dN" deletes
    // it, a number SetPage with an index → the index shown, the page count, and which pages show.
    void pages_data()
    {
        bvtest::Rows({ { "a4 a0 a1 a2", "0 3 +--" }, { "a0 a1 a2 1 -1", "-1 3 ---" },
            { "a0 a1 a2 3", "-1 3 ---" }, { "a0 a1 1 2 a2", "0 3 +--" }, { "a0 a1 a2 s1", "1 3 -+-" },
            { "a0 a1 a2 2 s3 s4", "2 3 --+" },
            { "a0 a1 a0 1 2", "2 3 +-+" }, // added twice: where it was first added
            { "a0 a1 a0 1 s0", "0 3 +-+" },
            { "a0 a1 d0 1 0", "0 2 x-" } }); // a deleted page is not touched again
    }

    // The header set goes out and back in, shown; a null footer item is ignored.
    void pages()
    {
        QFETCH(QString, input);
        const bvtest::MessageCatcher messages;
        QWidget host;
        QList<QPointer<QWidget>> pool { new QLabel(&host), new QLabel(&host), new QLabel(&host),
            new QLabel(&host), nullptr };
        BVWizard wizard;
        QPointer<QWidget> old = new QLabel, header = new QLabel;
        for (QWidget* h : { old.data(), header.data(), header.data() })
            wizard.SetHeader(h);
        QPointer<QWidget> footer = new QLabel;
        wizard.AddFooterItem(nullptr);
        wizard.AddFooterItem(footer);
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
        QString shown = QStringLiteral("%1 %2 ").arg(wizard.GetPageIndex()).arg(wizard.GetPageCount());
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(wizard.GetPage(i), pages[i].data());
            shown += QLatin1String(!pages[i] ? "x" : pages[i]->isHidden() ? "-" : "+");
        }
        QTEST(shown, "expected");
        QCOMPARE(wizard.GetPage(), pages.value(wizard.GetPageIndex()).data());
        QCOMPARE(wizard.GetPage(pages.size()), nullptr);
        QVERIFY(old->isHidden() && !header->isHidden() && footer->parentWidget() == &wizard);
        wizard.SetHeader(nullptr);
        QVERIFY(header->isHidden());
        QCOMPARE(messages.Messages(), QStringList());
    }
};

QTEST_MAIN(tst_BVWizard)
#include "tst_bvwizard.moc"
