#pragma once

#include <QAccessible>

class QLabel;

namespace rutschbild::qt {

// Makes screen readers and automation tools see Form1 as a player sees it: the board a group of
// its tiles in board order with the gap among them while a game runs, each tile a button named
// after its piece that a press action clicks, hidden tiles left out. Installed once per program;
// harmless to call again.
void installAccessibleInterfaces();

// Gives a label this role, and its text as its name also while empty: a value label (StaticText)
// or one that is news when it shows (Notification). QLabel reports each new text as a new name.
void markLabel(QLabel* label, QAccessible::Role role);

} // namespace rutschbild::qt
