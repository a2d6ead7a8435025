#pragma once

// How Enter works in every window of the program, installed once on the
// application object:
// - Enter on a focused push button presses that button;
// - otherwise, once the focused control has passed Enter on, the window's
//   default button (one made so with QPushButton::setDefault) is pressed;
// - a window without a default button takes Enter as no command at all, so
//   Enter in a digit box stores nothing.
// No push button becomes the default by itself: Qt would otherwise make the
// first button of a dialog its default, which is how Enter on a Cancel button
// came to press OK.
// A held-down Enter presses nothing again: one press, one command.
void installEnterKeyRule();
