#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSpinBox>
#include <QString>

#include <functional>

class QAbstractItemView;
class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// What every window of the program is made of.

// Arial and Courier New at a pixel size (metric twins stand in where they are missing).
QFont arialFont(int pixelSize, bool bold = false);
QFont courierFont(int pixelSize);

void centreOnScreen(QWidget* window);

// Gives every control of `window` that has no pixel-sized font of its own the
// font of its nearest parent that has one (in the end the window's). Our
// windows have fixed pixel sizes: a font in points grows with the desktop's
// font resolution and no longer fits. Call it once the controls are made.
void pinFontsInPixels(QWidget* window);

// Shows entry lines ("m/d/yyyy :" then the three digits) with the digits in
// one column whatever the width of the date, each line `lineHeight` pixels
// high. The lines' text stays as it is. Every line has the same size, so a
// long list is laid out without measuring its lines.
void showEntryLinesInColumns(QAbstractItemView* list, int lineHeight);

// The standard "&Close" button with the close glyph, objectName "BitBtn1"; it takes
// no focus from the keyboard. A click runs `onClick`, or closes the dialog.
QPushButton* addCloseButton(QDialog* dialog, const QRect& geometry = QRect(),
                            const std::function<void()>& onClick = {});

// A label sized to its text at (x, y).
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y);

// The parts of a window of results laid out by a layout: a label of plain
// text that wraps ("p < 0.05" must not turn it into a slow rich-text
// document), bold and copied whole by its context menu or Ctrl+C when it is
// the window's verdict; and a
// read-only table of one line per row that takes neither focus nor selection.
QLabel* addTextLabel(QWidget* parent, const char* name, bool verdict = false);
QTableWidget* addResultTable(QWidget* parent, const char* name, int rows, const QStringList& headings);
// A cell of such a table, numbers right-aligned.
QTableWidgetItem* cellItem(const QString& text, bool rightAligned = true);

// A spin box that holds its value within its limits while the user types: a
// number typed above the upper limit shows the upper limit (a plain QSpinBox
// refuses the keystroke, so "2600" stayed "260"). In a box of one character a
// typed digit takes the place of the one shown.
class ClampingSpinBox : public QSpinBox
{
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A spin edit (a ClampingSpinBox) for whole numbers from `minimum` to
// `maximum`, at most `maxCharacters` long, starting at `minimum`. Text emptied
// while typing counts as the lower limit, also when the box is left.
QSpinBox* addSpinEdit(QWidget* parent, const char* name, int minimum, int maximum, int maxCharacters,
                      const QRect& geometry);
// The number the box shows now; empty or partial text reads as the lower limit.
int spinEditValue(const QSpinBox* box);
// Sets a spin edit's limits and makes room for as many characters as the
// longer limit has.
void setSpinEditRange(QSpinBox* box, int minimum, int maximum);

// Keeps the size the user gives a resizable window between runs: restores the
// size stored in quor3.ini (section "Windows", key `key`) when it fits the
// screen the window opens on, and stores the size whenever the window closes.
// With a `fallback` (a window with no designed size of its own), the window
// opens at the stored size or else the fallback, either bounded by the screen.
// For the windows beyond the original design; call it once the window has its
// first size.
void rememberSize(QWidget* window, const QString& key, const QSize& fallback = QSize());

// A date as the program's language writes it: month first in English
// ("12/6/2026"), day first in Spanish ("6/12/2026").
QString dateText(int year, int month, int day);
QString dateText(double dayNumber);
// Whether the program's language writes a date day first.
bool datesDayFirst();
// A line that starts with a date written month first ("12/6/2026 :  4  5  1",
// as the engine writes its lines), with the date turned day first.
QString dayFirstLine(const QString& line);

// A line of text that may run longer than its room (a status panel's news):
// it takes the room there is, and a longer text is cut in the middle, so
// that its end (a file name, a count) stays in sight; its tooltip and what a
// screen reader speaks are the whole text, and text() stays the whole text.
class MiddleElidedLabel : public QLabel
{
  public:
    explicit MiddleElidedLabel(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as it is drawn now.
    QString shownText() const;

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
