#pragma once

class QEvent;
class QWidget;

namespace bvkeys {

// The numeric fields' keyboard convention: a shortcut-override query for Tab
// is accepted (no host shortcut on Tab fires), and Escape, Return and Enter
// clear the field's focus. Only key codes are compared, never modifiers.
// Returns true when the event was consumed.
bool HandleSmartKey(QWidget* field, QEvent* event);

} // namespace bvkeys
