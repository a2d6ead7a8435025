#pragma once

#include "engine/DrawRecord.h"

#include <QComboBox>

#include <vector>

// "the working database (731 draws)" or "the full history (N draws)": the
// draws of the open database an analysis runs on. It starts on the full
// history whenever that holds more draws than the working database (a
// cut-back leaves the working file too few for a verdict). The user's choice
// comes as `activated`; refresh() reads the counts afresh and keeps it.
class DrawsChoice : public QComboBox
{
    Q_OBJECT
  public:
    explicit DrawsChoice(QWidget* parent);

    void refresh();
    bool fullHistory() const;
    // The chosen draws, oldest first; none when no database is open.
    std::vector<quor3::DrawRecord> readDraws() const;
    // "ga.c3d" or "ga.c3d, full history", for a window's summary.
    QString chosenName() const;

  private:
    bool chosenByUser_ = false;
};
