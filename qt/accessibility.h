#pragma once

#include <QString>

class QLabel;

namespace rutschbild {

// Makes screen readers and automation tools see Form1 as a player sees it: each tile a button
// named after its piece that a press action clicks, hidden tiles left out. Installed once per
// program; harmless to call again.
void installAccessibleInterfaces();

// Makes a label one that shows a value: to assistive tools its name is its text, also while empty.
// QLabel itself reports each new text as a new name.
void markAsValueLabel(QLabel* label);

// "Reihe R, Spalte S" of a slot, counted from 1 as a person counts.
QString slotDescription(int slot);

} // namespace rutschbild
