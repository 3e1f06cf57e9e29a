#pragma once

#include <QString>

class QLabel;

namespace rutschbild {

// Makes screen readers and automation tools see Form1 as a player sees it: each tile a button
// named after its piece that a press action clicks, hidden tiles left out. Installed once per
// program; harmless to call again.
void installAccessibleInterfaces();

// Makes a label a value label to assistive tools: its text is its value, its name is set apart.
void markAsValueLabel(QLabel* label);

// Writes one of the value labels and tells assistive tools that its value changed.
void setValueText(QLabel* label, const QString& text);

// "Reihe R, Spalte S" of a slot, counted from 1 as a person counts.
QString slotDescription(int slot);

} // namespace rutschbild
