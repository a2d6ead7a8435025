#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// One line of the printed choices and the look it is printed in.
struct PrintoutLine {
    enum class Style { Plain, Heading, Footer };
    QString text;
    Style style = Style::Plain;
    bool operator==(const PrintoutLine& other) const { return text == other.text && style == other.style; }
};

// The lines of the seven memos in printing order: hot, cold, warm, odd/even,
// ordinal, pairs, repeats.
using ChoiceGroups = std::array<QStringList, 7>;

// The whole printout: title, database name and date, then each list under its
// heading with an empty line between lists, and the small footer last.
QList<PrintoutLine> choicesPrintout(const QString& databaseName, const QString& dateText, const ChoiceGroups& groups);
// The printed headings, in printing order.
const std::array<QString, 7>& printoutHeadings();
QString printoutFooter();

// "Computer Choices"
class ComputerChoicesWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ComputerChoicesWindow(QWidget* owner = nullptr);

    void loadChoices();
    void printChoices();
    // "Play Selected...": the suggestion last clicked, into the My Tickets window.
    void playSelected();
    // The line of the suggestion last clicked; empty when none was.
    QString selectedSuggestion() const;

    // What the memos show, in printing order.
    ChoiceGroups memoGroups() const;

  private:
    void addLists();
    void addPictureAndButtons();
    // A click on a suggestion (or the cursor moved onto one) marks its line
    // for "Play Selected...".
    void markChosenLines();

    QPlainTextEdit* hotList;
    QPlainTextEdit* coldList;
    QPlainTextEdit* warmList;
    QPlainTextEdit* oddEvenList;
    QPlainTextEdit* ordinalList;
    QPlainTextEdit* pairsList;
    QPlainTextEdit* repeatsList;
    QPushButton* printButton;
    QPushButton* playButton;
    QPushButton* closeButton;
    QPlainTextEdit* chosenList_ = nullptr;
};
