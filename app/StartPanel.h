#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;
class QVBoxLayout;

// What the main window offers while no database is open: create one, fill a
// new one from published results, open one, or reopen a recent one. Every
// choice is a button, reached with Tab or its mnemonic.
class StartPanel : public QFrame
{
    Q_OBJECT
  public:
    explicit StartPanel(QWidget* parent);

    // The recent databases (absolute paths, newest first), one button each.
    void setRecent(const QStringList& paths);
    // Where the panel stands on `area` beside the picture standing at `picture`
    // (both in the panel's parent's coordinates): to its right, else to its
    // left, else below it, always inside the area.
    void placeBeside(const QRect& picture, const QRect& area);

  signals:
    void createChosen();
    void importChosen();
    void openChosen();
    void recentChosen(const QString& path);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* recentBox_ = nullptr; // the heading and the recent databases' buttons
    QVBoxLayout* recentLayout_ = nullptr;
    QList<QPushButton*> recentButtons_;
};
