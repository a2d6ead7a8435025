#include "entry/RestoreBackupWindow.h"

#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/Rebuild.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

const char* const Title = "Restore Backup";

QString takenText(const quor3::BackupInfo& b)
{
    const QDateTime taken(QDate(b.year, b.month, b.day), QTime(b.hour, b.minute, b.second));
    return QLocale::system().toString(taken, QLocale::ShortFormat) +
           (b.sequence > 1 ? QString(" (%1)").arg(b.sequence) : QString());
}

} // namespace

RestoreBackupWindow::RestoreBackupWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("RestoreBackupWindow");
    setWindowTitle(Title);
    setFont(arialFont(13));
    resize(520, 420);

    headingLabel = new QLabel(this);
    headingLabel->setObjectName("headingLabel");
    headingLabel->setWordWrap(true);

    backupGrid = new QTableWidget(0, 3, this);
    backupGrid->setObjectName("backupGrid");
    backupGrid->setHorizontalHeaderLabels({"Taken", "Draws", "Last Draw"});
    backupGrid->verticalHeader()->hide();
    backupGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    backupGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    backupGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    backupGrid->horizontalHeader()->setStretchLastSection(true);

    restoreButton = new QPushButton("&Restore", this);
    restoreButton->setObjectName("restoreButton");
    restoreButton->setEnabled(false);
    closeButton = addCloseButton(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(backupGrid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restoreButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(backupGrid, &QTableWidget::itemSelectionChanged, this,
            [this] { restoreButton->setEnabled(!backupGrid->selectedItems().isEmpty()); });
    connect(backupGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { runGuarded(this, [this] { restoreSelected(); }); });
    connect(restoreButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { restoreSelected(); }); });

    Help::bindF1(this, "backups");
    runGuarded(this, [this] { listBackups(); });
}

void RestoreBackupWindow::listBackups()
{
    const Session& session = Session::instance();
    backupGrid->setRowCount(0);
    backups_.clear();
    if (!session.databaseName.empty())
        backups_ = quor3::listBackups(session.databasePath());
    headingLabel->setText(backups_.empty()
                              ? QString("There are no backups of %1 yet.").arg(session.databaseNameText())
                              : QString("Backups of %1, newest first. Quor 3 takes one before anything changes "
                                        "or removes the database, and keeps the newest %2.")
                                    .arg(session.databaseNameText())
                                    .arg(quor3::BackupsKeptPerDatabase));
    for (const quor3::BackupInfo& b : backups_) {
        const int row = backupGrid->rowCount();
        backupGrid->insertRow(row);
        backupGrid->setItem(row, 0, new QTableWidgetItem(takenText(b)));
        auto* draws = new QTableWidgetItem(QString::number(b.draws));
        draws->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        backupGrid->setItem(row, 1, draws);
        backupGrid->setItem(row, 2, new QTableWidgetItem(b.draws > 0 ? shortDateText(b.lastDrawDate) : QString()));
    }
    backupGrid->resizeColumnsToContents();
    restoreButton->setEnabled(false);
}

void RestoreBackupWindow::restoreSelected()
{
    const int row = backupGrid->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size()) || backupGrid->selectedItems().isEmpty())
        return;
    const quor3::BackupInfo chosen = backups_[static_cast<std::size_t>(row)];
    Session& session = Session::instance();
    const QString question =
        QString("Put the backup taken %1 (%2 %3, the last of %4) in the place of %5?\n"
                "The database as it is now is kept as a backup first.")
            .arg(takenText(chosen))
            .arg(chosen.draws)
            .arg(chosen.draws == 1 ? "draw" : "draws", shortDateText(chosen.lastDrawDate), session.databaseNameText());
    if (Dialogs::ask(this, Title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
        QMessageBox::Yes)
        return;
    quor3::fs::path kept;
    {
        BusyCursor busy;
        const quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
        kept = quor3::restoreBackup(session.databasePath(), chosen.file);
        // The last entry is no longer the database's last change.
        session.lastEntry.reset();
        StatusBarSink sink;
        session.totalDraws =
            quor3::rebuildStatistics(session.folder, session.databaseName, quor3::FirstPanels::TotalAndLastDate, sink)
                .totalDraws;
    }
    QString report = QString("Restored the backup taken %1.").arg(takenText(chosen));
    if (!kept.empty())
        report += QString(" The database as it was is kept in %1/%2.")
                      .arg(quor3::BackupFolderName, QString::fromStdString(kept.filename().string()));
    Dialogs::inform(this, Title, report);
    accept();
}
