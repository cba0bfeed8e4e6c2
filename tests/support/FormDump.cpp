#include "TestSupport.h"

namespace bvtest {

namespace {

QString Size(const QSize& s)
{
    return QString::asprintf("%dx%d", s.width(), s.height());
}

// Where item `index` sits: a grid cell with spans, or a box index.
QString Cell(const QLayout* layout, int index)
{
    int row = index, column = -1, rows = 0, columns = 0;
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout))
        grid->getItemPosition(index, &row, &column, &rows, &columns);
    return column < 0 ? QString::asprintf(" @%d", row)
                      : QString::asprintf(" @%d,%d+%dx%d", row, column, rows, columns);
}

bool InLayout(const QLayout* layout, const QWidget* w)
{
    for (int i = 0; layout && i < layout->count(); ++i)
        if (layout->itemAt(i)->widget() == w || InLayout(layout->itemAt(i)->layout(), w))
            return true;
    return false;
}

void Dump(const QLayout* layout, const QString& indent, QStringList& out)
{
    const QMargins m = layout->contentsMargins();
    out << indent
            + QString::asprintf("%s '%s' margins %d,%d,%d,%d spacing %d", layout->metaObject()->className(),
                qPrintable(layout->objectName()), m.left(), m.top(), m.right(), m.bottom(),
                layout->spacing());
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        const QString at = indent + QStringLiteral("  ");
        if (item->widget())
            out << at + QStringLiteral("widget '%1'").arg(item->widget()->objectName()) + Cell(layout, i);
        else if (const QSpacerItem* spacer = item->spacerItem())
            out << at + QStringLiteral("spacer ") + Size(spacer->sizeHint()) + Cell(layout, i);
        else if (item->layout()) {
            out << at + QStringLiteral("layout") + Cell(layout, i);
            Dump(item->layout(), at + QStringLiteral("  "), out);
        }
    }
}

// A widget's line, then its style sheet, layout and children (not Qt's own inner ones, such as
// a spin box's line edit). Size policies and frames are left to the form code they would restate.
void Dump(const QWidget* w, const QString& indent, QStringList& out)
{
    QString line = QStringLiteral("%1 '%2' min %3 max %4")
                       .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                           Size(w->minimumSize()), Size(w->maximumSize()));
    line += QLatin1String(w->isHidden() ? " hidden" : "");
    if (!w->windowTitle().isEmpty())
        line += QStringLiteral(" title '%1'").arg(w->windowTitle());
    if (!w->toolTip().isEmpty())
        line += QStringLiteral(" tip '%1'").arg(w->toolTip());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        line += QStringLiteral(" text '%1' icon %2").arg(button->text(), Size(button->iconSize()));
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const QPixmap pixmap = label->property("pixmap").value<QPixmap>(); // in logical pixels
        line += QStringLiteral(" text '%1' align %2 pixmap %3")
                    .arg(label->text(), QString::number(label->alignment()),
                        Size(pixmap.size() / pixmap.devicePixelRatio()));
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        line += QStringLiteral(" mask '%1' length %2 text '%3'")
                    .arg(edit->inputMask(), QString::number(edit->maxLength()), edit->text());
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
        line += QString::asprintf(" range %d..%d", slider->minimum(), slider->maximum());
    if (const auto* box = qobject_cast<const QSpinBox*>(w))
        line += QString::asprintf(
            " range %d..%d base %d", box->minimum(), box->maximum(), box->displayIntegerBase());
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        line += QStringLiteral(" items '%1'").arg(items.join(QLatin1Char('|')));
    }
    // Fixed geometry only: in a layout the style and the fonts place a widget.
    if (!w->parentWidget() || !InLayout(w->parentWidget()->layout(), w))
        line += QString::asprintf(" at %d,%d ", w->x(), w->y()) + Size(w->size());
    out << indent + line;
    if (!w->styleSheet().isEmpty())
        out << indent + QStringLiteral("  sheet ") + w->styleSheet();
    if (w->layout())
        Dump(w->layout(), indent + QStringLiteral("  "), out);
    for (const QObject* child : w->children())
        if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow()
            && !child->objectName().startsWith(QLatin1String("qt_")))
            Dump(static_cast<const QWidget*>(child), indent + QStringLiteral("  "), out);
}

// The lines as compared: a style sheet as "sheet", its widget's name and a digest of it.
QStringList Digested(const QStringList& lines)
{
    QStringList out;
    QString owner;
    for (const QString& line : lines) {
        const int at = line.indexOf(QLatin1String("sheet "));
        if (at < 0 || !line.left(at).trimmed().isEmpty()) {
            owner = line.simplified().section(QLatin1Char(' '), 1, 1);
            out << line;
            continue;
        }
        const QByteArray digest = QCryptographicHash::hash(line.toUtf8(), QCryptographicHash::Md5).toHex();
        out << line.left(at) + QStringLiteral("sheet ") + owner + QLatin1Char(' ')
                + QLatin1String(digest.left(8));
    }
    return out;
}

} // namespace

QString FormChanges(const QWidget* root, const QString& name)
{
    QStringList dump;
    Dump(root, QString(), dump);
    QFile file(QStringLiteral(BV_TEST_FORMS_DIR "/") + name);
    static QStringList rewritten; // the first dump of each form in a run, the form itself
    if (qEnvironmentVariableIntValue("BV_UPDATE_FORMS") == 1 && !rewritten.contains(name)) {
        rewritten << name;
        if (file.open(QIODevice::WriteOnly | QIODevice::Text))
            file.write((dump.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return QString();
    }
    QStringList removed = Digested(file.open(QIODevice::ReadOnly | QIODevice::Text)
            ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            : QStringList());
    QStringList changes;
    const auto words = [](const QString& line) { return line.simplified().split(QLatin1Char(' ')); };
    for (const QString& line : Digested(dump)) {
        if (removed.removeOne(line))
            continue;
        QStringList now = words(line), before;
        for (int j = 0; before.isEmpty() && j < removed.size(); ++j)
            if (words(removed[j]).mid(0, 2) == now.mid(0, 2))
                before = words(removed.takeAt(j));
        if (now[0] == QLatin1String("sheet")) {
            changes << now[1] + QStringLiteral(" sheet ") + now[2];
            continue;
        }
        QStringList change { now.value(1) };
        for (const QString& word : now)
            if (!before.removeOne(word))
                change << word;
        for (const QString& word : before)
            change << QLatin1Char('-') + word;
        changes << change.join(QLatin1Char(' '));
    }
    for (const QString& line : removed) // whole lines that went
        changes << QLatin1Char('-') + line.simplified();
    return changes.join(QLatin1String("; "));
}

} // namespace bvtest
