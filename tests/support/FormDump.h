#pragma once

#include <QString>

class QWidget;

namespace bvtest {

// How root's form differs from the form file `name` under tests/forms/, empty when it does not.
// The form is one line per widget, layout and spacer, depth first, with what a form fixes (names,
// sizes, policies, grid cells, texts, ranges, masks, style sheets) and nothing that depends on the
// style or the fonts. A changed line shows as its widget's name and the words that came and went
// ("-" before those that went), a style sheet that came as its widget's name, "sheet" and a digest.
// BV_UPDATE_FORMS=1 rewrites each file from its first dump in the run instead.
QString FormChanges(const QWidget* root, const QString& name);

} // namespace bvtest
