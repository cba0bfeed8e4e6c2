#include "FormDump.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextStream>
#include <QtTest>

namespace bvtest {

namespace {

QString Size(const QSize& s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QString Policy(const QSizePolicy& p)
{
    return QStringLiteral("%1/%2").arg(int(p.horizontalPolicy())).arg(int(p.verticalPolicy()));
}

// Where the item sits in its layout: a grid cell with spans, or a box index.
QString Cell(const QLayout* layout, int index)
{
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        int row, column, rows, columns;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        return QStringLiteral(" @%1,%2+%3x%4").arg(row).arg(column).arg(rows).arg(columns);
    }
    return QStringLiteral(" @%1").arg(index);
}

bool InLayout(const QLayout* layout, const QWidget* w)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w || InLayout(item->layout(), w))
            return true;
    }
    return false;
}

QString Widget(const QWidget* w)
{
    QString line = QStringLiteral("%1 '%2' min %3 max %4 policy %5 focus %6%7")
                       .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                           Size(w->minimumSize()), Size(w->maximumSize()), Policy(w->sizePolicy()))
                       .arg(int(w->focusPolicy()))
                       .arg(w->isHidden() ? QStringLiteral(" hidden") : QString());
    if (!w->windowTitle().isEmpty())
        line += QStringLiteral(" title '%1'").arg(w->windowTitle());
    if (!w->toolTip().isEmpty())
        line += QStringLiteral(" tip '%1'").arg(w->toolTip());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        line += QStringLiteral(" text '%1' icon %2").arg(button->text(), Size(button->iconSize()));
    if (const auto* frame = qobject_cast<const QFrame*>(w); frame && frame->frameShape() != QFrame::NoFrame)
        line += QStringLiteral(" frame %1/%2").arg(int(frame->frameShape())).arg(int(frame->frameShadow()));
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QPixmap pixmap = label->pixmap();
#else
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
#endif
        // In logical pixels, the same at any device pixel ratio.
        line += QStringLiteral(" text '%1' align %2 pixmap %3")
                    .arg(label->text())
                    .arg(int(label->alignment()))
                    .arg(Size(pixmap.size() / pixmap.devicePixelRatio()));
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        line += QStringLiteral(" mask '%1' length %2 text '%3'")
                    .arg(edit->inputMask())
                    .arg(edit->maxLength())
                    .arg(edit->text());
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
        line += QStringLiteral(" range %1..%2").arg(slider->minimum()).arg(slider->maximum());
    if (const auto* box = qobject_cast<const QSpinBox*>(w))
        line += QStringLiteral(" range %1..%2 base %3 buttons %4")
                    .arg(box->minimum())
                    .arg(box->maximum())
                    .arg(box->displayIntegerBase())
                    .arg(int(box->buttonSymbols()));
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        line += QStringLiteral(" items '%1' adjust %2")
                    .arg(items.join(QLatin1Char('|')))
                    .arg(combo->sizeAdjustPolicy());
    }
    // Fixed geometry only: a widget in a layout is placed by the style and the fonts.
    const QWidget* parent = w->parentWidget();
    if (!parent || !InLayout(parent->layout(), w))
        line += QStringLiteral(" at %1,%2 %3").arg(w->x()).arg(w->y()).arg(Size(w->size()));
    return line;
}

void DumpLayout(const QLayout* layout, const QString& indent, QStringList& out);

void DumpItem(const QLayout* layout, int index, const QString& indent, QStringList& out)
{
    QLayoutItem* item = layout->itemAt(index);
    if (QWidget* w = item->widget())
        out << indent + QStringLiteral("widget '%1'").arg(w->objectName()) + Cell(layout, index);
    else if (QLayout* inner = item->layout()) {
        out << indent + QStringLiteral("layout") + Cell(layout, index);
        DumpLayout(inner, indent + QStringLiteral("  "), out);
    } else if (QSpacerItem* spacer = item->spacerItem())
        out << indent
                + QStringLiteral("spacer %1 policy %2")
                      .arg(Size(spacer->sizeHint()), Policy(spacer->sizePolicy()))
                + Cell(layout, index);
}

void DumpLayout(const QLayout* layout, const QString& indent, QStringList& out)
{
    const QMargins m = layout->contentsMargins();
    out << indent
            + QStringLiteral("%1 '%2' margins %3,%4,%5,%6 spacing %7")
                  .arg(QLatin1String(layout->metaObject()->className()), layout->objectName())
                  .arg(m.left())
                  .arg(m.top())
                  .arg(m.right())
                  .arg(m.bottom())
                  .arg(layout->spacing());
    for (int i = 0; i < layout->count(); ++i)
        DumpItem(layout, i, indent + QStringLiteral("  "), out);
}

void DumpWidget(const QWidget* w, const QString& indent, QStringList& out)
{
    out << indent + Widget(w);
    if (!w->styleSheet().isEmpty())
        out << indent + QStringLiteral("  sheet ") + w->styleSheet();
    if (w->layout())
        DumpLayout(w->layout(), indent + QStringLiteral("  "), out);
    // Qt's own inner widgets (a spin box's line edit) are not part of our forms.
    for (const QObject* child : w->children())
        if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow()
            && !child->objectName().startsWith(QLatin1String("qt_")))
            DumpWidget(static_cast<const QWidget*>(child), indent + QStringLiteral("  "), out);
}

} // namespace

QString DumpForm(const QWidget* root)
{
    QStringList out;
    DumpWidget(root, QString(), out);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool FormMatches(const QWidget* root, const QString& name)
{
    const QString actual = DumpForm(root);
    QFile file(QStringLiteral(BV_TEST_FORMS_DIR "/") + name);
    if (qEnvironmentVariableIntValue("BV_UPDATE_FORMS") == 1) {
        file.open(QIODevice::WriteOnly | QIODevice::Text);
        file.write(actual.toUtf8());
        return true;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList want = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    for (int i = 0; i < qMax(want.size(), got.size()); ++i) {
        if (want.value(i) != got.value(i)) {
            qWarning("%s line %d\n  expected: %s\n  actual:   %s", qPrintable(name), i + 1,
                qPrintable(want.value(i)), qPrintable(got.value(i)));
            QFile out(QDir::currentPath() + QLatin1Char('/') + name);
            if (out.open(QIODevice::WriteOnly | QIODevice::Text))
                out.write(actual.toUtf8());
            return false;
        }
    }
    return true;
}

} // namespace bvtest
