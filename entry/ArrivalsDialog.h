#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "What Arrived": one short summary of what came into the open database, after
// a fetch or at open for what the daily timer or another process added, in a
// window the player closes: the draws with their digits, the matches of the
// suggested plays, the tickets won and their amounts, a cut-back and its
// backup, the conflicts kept and what was refused. It does not hold up the
// program (shown, not run): news that comes while it is up is added to it.
class ArrivalsDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit ArrivalsDialog(QWidget* owner);

    // Shows `text` in the summary open over `owner`, or in a new one; a
    // reader hears it as it hears a message box.
    static ArrivalsDialog* present(QWidget* owner, const QString& text);
    // The summary up over `owner`, if any.
    static ArrivalsDialog* current(QWidget* owner);

    QString text() const;

  private:
    void add(const QString& text);

    QLabel* textLabel;
    QPushButton* okButton;
};
