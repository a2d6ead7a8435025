#pragma once

#include <QFont>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Small pieces every analysis window is built from.
namespace WindowParts
{

// Arial at a pixel size (Arial resolves to a metric-compatible face where it is missing).
QFont arial(int pixelSize, bool bold = false);
void centreOnScreen(QWidget* window);
// The standard "&Close" button: closes the window, never takes Tab focus.
QPushButton* closeButton(QDialog* window, const char* name = "BitBtn1");
QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y);

} // namespace WindowParts
