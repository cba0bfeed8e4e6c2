#pragma once

class QAbstractButton;
class QAccessibleInterface;
class QColor;
class QWidget;

// Gives the button a solid icon of the color, drawn at its icon size times its
// integer device pixel ratio.
void SetButtonColor(QAbstractButton* button, const QColor& color);

// The interface of a swatch: a button whose value and description are the
// color SetButtonColor last gave it, or "Empty".
QAccessibleInterface* BVCreateSwatchAccessible(QWidget* swatch);
