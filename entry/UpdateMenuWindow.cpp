#include "entry/UpdateMenuWindow.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "platform/Accessibility.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

UpdateMenuWindow::UpdateMenuWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm3");
    setWindowTitle(tr("Update Database Sub-Menu"));
    setFixedSize(346, 222);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);

    drawList = new QListWidget(this);
    drawList->setObjectName("ListBox1");
    drawList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    drawList->setFocusPolicy(Qt::NoFocus);
    showEntryLinesInColumns(drawList, 16);
    // Twelve whole lines of 16 pixels inside the frame.
    drawList->setGeometry(8, 13, 185, 196);
    nameForReader(drawList, tr("Stored draws"), tr("The newest first"));

    addButton = new QPushButton(tr("&Add More Entries"), this);
    addButton->setObjectName("Button1");
    addButton->setFocusPolicy(Qt::NoFocus);
    addButton->setGeometry(208, 20, 126, 30);

    correctButton = new QPushButton(tr("&Make Corrections"), this);
    correctButton->setObjectName("Button2");
    correctButton->setFocusPolicy(Qt::NoFocus);
    correctButton->setGeometry(208, 62, 126, 30);

    closeButton = addCloseButton(this, QRect(208, 178, 126, 30), [this] { closeWindow(); });

    connect(addButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { addEntries(); }); });
    connect(correctButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { makeCorrections(); }); });

    pinFontsInPixels(this);
    Help::bindF1(this, "update");
    // Its design place at the left edge of the screen, not centred.
    move(0, 156);
}

bool UpdateMenuWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void UpdateMenuWindow::refresh()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const std::vector<quor3::DrawRecord> draws = quor3::readDraws(session.databasePath());
    QStringList entryLines;
    entryLines.reserve(qsizetype(draws.size()));
    const bool dayFirst = datesDayFirst();
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        const QString line = QString::fromStdString(quor3::entryLine(*it));
        entryLines.append(dayFirst ? dayFirstLine(line) : line);
    }
    drawList->clear();
    drawList->addItems(entryLines);
    speakListAsDraws(drawList);
}

void UpdateMenuWindow::addEntries()
{
    AddDrawsWindow window(this);
    window.setRefreshRequest([this] { refresh(); });
    window.exec();
}

void UpdateMenuWindow::makeCorrections()
{
    CorrectionsWindow window(this);
    window.setRefreshRequest([this] { refresh(); });
    window.exec();
}

void UpdateMenuWindow::closeWindow()
{
    close();
}
