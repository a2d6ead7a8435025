#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QDialog;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

// What every window of the program is made of.

// Arial and Courier New at a pixel size (metric twins stand in where they are missing).
QFont arialFont(int pixelSize, bool bold = false);
QFont courierFont(int pixelSize);

void centreOnScreen(QWidget* window);

// The standard "&Close" button with the close glyph, objectName "BitBtn1"; it takes
// no focus from the keyboard. A click runs `onClick`, or closes the dialog.
QPushButton* addCloseButton(QDialog* dialog, const QRect& geometry = QRect(),
                            const std::function<void()>& onClick = {});

// A label sized to its text at (x, y).
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y);

// A spin edit for whole numbers from `minimum` to `maximum`, at most
// `maxCharacters` long, starting at `minimum`. Text emptied while typing
// counts as the lower limit, also when the box is left.
QSpinBox* addSpinEdit(QWidget* parent, const char* name, int minimum, int maximum, int maxCharacters,
                      const QRect& geometry);
// The number the box shows now; empty or partial text reads as the lower limit.
int spinEditValue(const QSpinBox* box);
