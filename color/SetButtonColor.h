#pragma once

class QAbstractButton;
class QColor;

// Gives the button a solid icon of the color, drawn at its icon size times its
// integer device pixel ratio.
void SetButtonColor(QAbstractButton* button, const QColor& color);
