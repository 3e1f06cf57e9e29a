#pragma once

class QPushButton;
class QRadioButton;

namespace rutschbild::qt {

// The keys of the window's controls as Windows has them: Enter and the keypad's Enter press the
// focused push button, as Space does; Left and Right move between the two options as Up and
// Down do. Enter with the focus elsewhere still presses nothing: there is no default button.
void pressOnEnter(QPushButton* button);
void arrowsSidewaysMoveVertically(QRadioButton* option);

} // namespace rutschbild::qt
