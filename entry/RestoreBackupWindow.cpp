#include "entry/RestoreBackupWindow.h"

#include "engine/DatabaseLock.h"
#include "engine/Errors.h"
#include "engine/Rebuild.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QCoreApplication>
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

QString title()
{
    return QCoreApplication::translate("RestoreBackupWindow", "Restore Backup");
}

// Local time to the second, in the user's date and time formats: two backups
// a minute apart must not read alike.
QString takenText(const quor3::BackupInfo& b)
{
    const QLocale locale = QLocale::system();
    const QDateTime taken = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(b.taken));
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!timeFormat.contains('s'))
        timeFormat.replace("mm", "mm:ss");
    return locale.toString(taken.date(), QLocale::ShortFormat) + ' ' + locale.toString(taken.time(), timeFormat);
}

} // namespace

RestoreBackupWindow::RestoreBackupWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("RestoreBackupWindow");
    setWindowTitle(title());
    setFont(arialFont(13));
    resize(520, 420);
    rememberSize(this, "RestoreBackupWindow");

    headingLabel = new QLabel(this);
    headingLabel->setObjectName("headingLabel");
    headingLabel->setWordWrap(true);

    backupGrid = new QTableWidget(0, 4, this);
    backupGrid->setObjectName("backupGrid");
    nameForReader(backupGrid, tr("Backups"));
    backupGrid->setHorizontalHeaderLabels({tr("Taken"), tr("Draws"), tr("Last Draw"), tr("Reason")});
    backupGrid->verticalHeader()->hide();
    backupGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    backupGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    backupGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    backupGrid->horizontalHeader()->setStretchLastSection(true);

    restoreButton = new QPushButton(tr("&Restore"), this);
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
                              ? tr("There are no backups of %1 yet.").arg(session.databaseNameText())
                              : QString(tr("Backups of %1, newest first. Quor 3 takes one before anything changes "
                                           "or removes the database, and keeps the newest %2."))
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
        backupGrid->setItem(row, 3, new QTableWidgetItem(QString::fromStdString(quor3::backupReasonText(b.reason))));
    }
    backupGrid->resizeColumnsToContents();
    // The newest is selected, so that Restore works at once from the keyboard.
    if (backupGrid->rowCount() > 0)
        backupGrid->setCurrentCell(0, 0);
    restoreButton->setEnabled(backupGrid->rowCount() > 0);
}

void RestoreBackupWindow::restoreSelected()
{
    const int row = backupGrid->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size()) || backupGrid->selectedItems().isEmpty())
        return;
    const quor3::BackupInfo chosen = backups_[static_cast<std::size_t>(row)];
    Session& session = Session::instance();
    const QString question =
        (chosen.draws == 1 ? tr("Put the backup taken %1 (%2 draw, the last of %3) in the place of %4?\n"
                                "The database as it is now is kept as a backup first.")
                           : tr("Put the backup taken %1 (%2 draws, the last of %3) in the place of %4?\n"
                                "The database as it is now is kept as a backup first."))
            .arg(takenText(chosen))
            .arg(chosen.draws)
            .arg(shortDateText(chosen.lastDrawDate), session.databaseNameText());
    if (Dialogs::ask(this, title(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
        QMessageBox::Yes)
        return;
    quor3::fs::path kept;
    std::string rebuildFailure;
    {
        BusyCursor busy;
        const quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
        kept = quor3::restoreBackup(session.databasePath(), chosen.file);
        // The last entry is no longer the database's last change.
        session.lastEntry.reset();
        session.totalDraws = quor3::countDraws(session.databasePath());
        StatusBarSink sink;
        rebuildFailure =
            quor3::rebuildAfterChange(session.folder, session.databaseName, quor3::FirstPanels::TotalAndLastDate, sink);
    }
    QString report = tr("Restored the backup taken %1.").arg(takenText(chosen));
    if (!kept.empty())
        report += tr(" The database as it was is kept in %1/%2.")
                      .arg(quor3::BackupFolderName, QString::fromStdString(kept.filename().string()));
    if (!rebuildFailure.empty())
        report += "\n" + QString::fromStdString(rebuildFailure);
    Dialogs::inform(this, title(), report);
    accept();
}
