#pragma once

#include <QStringList>

class QWidget;

namespace bvtest {

// A control's form as a host's style sheets and layouts meet it: one line per
// widget, layout and spacer under `root`, depth first, with the properties a
// form fixes (names, sizes, policies, grid cells, texts, ranges, masks, style
// sheets). Nothing that depends on the style or the fonts is written, so the
// text is the same on every machine.
QString DumpForm(const QWidget* root);

// What root's form changes against the form file `name`: per changed line, the widget's
// name with the words that came and went ("-" before those that went); per style sheet
// that came, the widget's name, "sheet" and a digest.
QStringList FormChanges(const QWidget* root, const QString& name);

// Compares DumpForm(root) with the file `name` under tests/forms/; on a
// difference, names the first differing line and writes the whole dump beside
// the build for review. With BV_UPDATE_FORMS=1 it rewrites the file instead.
bool FormMatches(const QWidget* root, const QString& name);

} // namespace bvtest
