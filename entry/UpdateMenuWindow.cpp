#include "entry/UpdateMenuWindow.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
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
    setWindowTitle("Update Database Sub-Menu");
    setFixedSize(346, 222);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setStyleSheet("color: black;");

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setUniformItemSizes(true);
    // Twelve whole lines of 16 pixels inside the frame.
    ListBox1->setGeometry(8, 13, 185, 196);

    Button1 = new QPushButton("&Add More Entries", this);
    Button1->setObjectName("Button1");
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->setGeometry(208, 20, 126, 30);

    Button2 = new QPushButton("&Make Corrections", this);
    Button2->setObjectName("Button2");
    Button2->setFocusPolicy(Qt::NoFocus);
    Button2->setGeometry(208, 62, 126, 30);

    BitBtn1 = addCloseButton(this, QRect(208, 178, 126, 30), [this] { BitBtn1Click(); });

    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button2Click(); }); });

    Help::bindF1(this, "update");
    // Its design place at the left edge of the screen, not centred.
    move(0, 156);
}

bool UpdateMenuWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(e);
}

void UpdateMenuWindow::FormActivate()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const std::vector<quor3::DrawRecord> draws = quor3::readDraws(session.databasePath());
    ListBox1->clear();
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        auto* item = new QListWidgetItem(QString::fromStdString(quor3::entryLine(*it)));
        item->setSizeHint(QSize(0, 16));
        ListBox1->addItem(item);
    }
}

void UpdateMenuWindow::Button1Click()
{
    AddDrawsWindow window(this);
    window.setRefreshRequest([this] { FormActivate(); });
    window.exec();
}

void UpdateMenuWindow::Button2Click()
{
    CorrectionsWindow window(this);
    window.setRefreshRequest([this] { FormActivate(); });
    window.exec();
}

void UpdateMenuWindow::BitBtn1Click()
{
    close();
}
