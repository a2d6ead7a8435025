#pragma once

#include <QDialog>
#include <QRect>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

// The span a graph keeps under `key` in the settings file. A span below 1
// would leave the graph empty from then on, whatever the database holds: it is
// never written, and a stored one reads as every draw, like a missing key.
int readTrackedSpan(const char* key, int draws);

// A graph's span as its window and settings dialog share it while the window is open.
struct TrackedSpan {
    int span = 0;  // draws to track; 0 until first loaded
    int draws = 0; // draws in the open database when the graph last read it
};
void writeTrackedSpan(const char* key, int span);

// The dialog in which the user sets how many of the latest draws a graph
// tracks: a sunken panel with "How Many Draws to Track:" and a spin edit, and
// "&Save". It edits the graph's span, limited to the draws of the database.
class TrackDrawsDialog : public QDialog
{
    Q_OBJECT
  public:
    struct Layout {
        QSize client;
        bool resizable;
        QRect panel;
        int labelTop, spinTop, buttonTop;
    };
    TrackDrawsDialog(QWidget* owner, const char* objectName, const QString& caption, const Layout& layout,
                     const QString& helpKeyword, TrackedSpan& tracked);

    void refresh();
    void save();

    QFrame* spanPanel = nullptr;
    QLabel* spanLabel = nullptr;
    QSpinBox* spanEdit = nullptr;
    QPushButton* saveButton = nullptr;

  protected:
    bool event(QEvent* e) override;

  private:
    TrackedSpan& tracked_;
    bool prepared_ = false;
};
