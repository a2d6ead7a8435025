#include "entry/CorrectionsWindow.h"

#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/EntryDates.h"
#include "engine/Errors.h"
#include "engine/HistoryChange.h"
#include "engine/Rebuild.h"
#include "engine/StoreDraw.h"
#include "engine/Tickets.h"
#include "entry/DigitTyping.h"
#include "entry/TicketWins.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QDate>
#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace
{

// The years the year box offers, unless the selected record lies outside them.
constexpr int FirstYear = 1900;
constexpr int LastYear = 2500;

const char* const Instructions =
    QT_TRANSLATE_NOOP("CorrectionsWindow",
                      "Next, make your changes to the entry and draw date as necessary. Click Re-Enter when complete.");

QFrame* raisedPanel(QWidget* parent, const char* name, QRect place)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(place);
    return panel;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font, QRect place)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setGeometry(place);
    return l;
}

} // namespace

CorrectionsWindow::CorrectionsWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm14");
    setWindowTitle(tr("Correct It!"));
    setFixedSize(394, 326);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    addEntryFields();
    addButtons();

    digitTyping_ = new DigitTyping({firstDigitBox, secondDigitBox, thirdDigitBox}, monthBox, this);

    setTabOrder(firstDigitBox, secondDigitBox);
    setTabOrder(secondDigitBox, thirdDigitBox);
    setTabOrder(thirdDigitBox, monthBox);
    setTabOrder(monthBox, dayBox);
    setTabOrder(dayBox, yearBox);

    // A line picked by mouse or keys loads its record; the current line that
    // focus alone gives the list is no choice.
    connect(drawList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && selectedRow() >= 0)
            runGuarded(this, [this] { loadSelectedDraw(); });
    });
    // The day box allows the days of the month and year being edited.
    connect(monthBox, &QSpinBox::valueChanged, this, [this] { followMonth(); });
    connect(yearBox, &QSpinBox::valueChanged, this, [this] { followMonth(); });

    setProperty(DatabaseEvents::FollowedByWindow, true);
    connect(&Session::instance().events, &DatabaseEvents::changedOnDisk, this, &CorrectionsWindow::followDiskChange);

    Help::bindF1(this, "correct");
    resetBoxes();
    pinFontsInPixels(this);

    centreOnScreen(this);
}

// The list of stored draws and the panels that change the picked one.
void CorrectionsWindow::addEntryFields()
{
    QFont small("Arial");
    small.setPixelSize(11);
    selectLabel = label(this, "Label3", tr("First, select an entry in the database:"), small, QRect(8, 6, 200, 14));

    drawList = new QListWidget(this);
    drawList->setObjectName("ListBox1");
    drawList->setSelectionMode(QAbstractItemView::SingleSelection);
    showEntryLinesInColumns(drawList, 16);
    drawList->setGeometry(8, 26, 185, 289);

    instructionsLabel = label(this, "Label4", tr(Instructions), small, QRect(206, 24, 178, 60));
    instructionsLabel->setWordWrap(true);

    entryPanel = raisedPanel(this, "Panel1", QRect(206, 94, 178, 74));
    entryLabel = label(entryPanel, "Label1", tr("Change Entry"), small, QRect(8, 6, 160, 14));
    firstDigitBox = addSpinEdit(entryPanel, "SpinEdit1", 0, 9, 1, QRect(8, 30, 48, 28));
    secondDigitBox = addSpinEdit(entryPanel, "SpinEdit2", 0, 9, 1, QRect(64, 30, 48, 28));
    thirdDigitBox = addSpinEdit(entryPanel, "SpinEdit3", 0, 9, 1, QRect(120, 30, 48, 28));

    datePanel = raisedPanel(this, "Panel2", QRect(206, 178, 178, 74));
    dateLabel = label(datePanel, "Label2", tr("Change Date"), small, QRect(8, 6, 160, 14));
    // Each box as wide as the style needs for its widest number and its arrows.
    monthBox = addSpinEdit(datePanel, "SpinEdit4", 1, 12, 2, QRect(8, 30, 46, 28));
    dayBox = addSpinEdit(datePanel, "SpinEdit5", 1, 31, 2, QRect(58, 30, 46, 28));
    yearBox = addSpinEdit(datePanel, "SpinEdit6", FirstYear, LastYear, 4, QRect(108, 30, 62, 28));
    nameForReader(drawList, tr("Stored draws"), tr("Select the draw to change"));
    nameForReader(firstDigitBox, tr("First digit"));
    nameForReader(secondDigitBox, tr("Second digit"));
    nameForReader(thirdDigitBox, tr("Third digit"));
    nameForReader(monthBox, tr("Draw month"));
    nameForReader(dayBox, tr("Draw day"));
    nameForReader(yearBox, tr("Draw year"));
}

void CorrectionsWindow::addButtons()
{
    QFont buttons("Arial");
    buttons.setPixelSize(13);
    reenterButton = new QPushButton(tr("&Re-Enter "), this);
    reenterButton->setObjectName("Button1");
    reenterButton->setFont(buttons);
    reenterButton->setFocusPolicy(Qt::NoFocus);
    reenterButton->setGeometry(206, 284, 86, 30);

    closeButton = addCloseButton(this, QRect(298, 284, 86, 30));
    closeButton->setFont(buttons);

    // Like Re-Enter, reached by its mnemonic rather than by Tab; the Delete
    // key in the list does the same.
    deleteButton = new QPushButton(tr("&Delete Entry"), this);
    deleteButton->setObjectName("deleteButton");
    deleteButton->setFont(buttons);
    deleteButton->setFocusPolicy(Qt::NoFocus);
    deleteButton->setGeometry(206, 256, 178, 24);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, drawList);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(reenterButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { reenterDraw(); }); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { deleteDraw(); }); });
    connect(deleteKey, &QShortcut::activated, this, [this] { runGuarded(this, [this] { deleteDraw(); }); });
}

bool CorrectionsWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void CorrectionsWindow::followMonth()
{
    dayBox->setMaximum(quor3::dayLimit(yearBox->value(), monthBox->value()));
}

void CorrectionsWindow::resetDigits()
{
    firstDigitBox->setValue(0);
    secondDigitBox->setValue(0);
    thirdDigitBox->setValue(0);
    digitTyping_->restart();
}

void CorrectionsWindow::resetBoxes()
{
    resetDigits();
    const QDate today = QDate::currentDate();
    yearBox->setValue(today.year());
    monthBox->setValue(today.month());
    dayBox->setValue(today.day());
    followMonth();
}

void CorrectionsWindow::fillList()
{
    const Session& session = Session::instance();
    showDraws(session.databaseExists() ? quor3::readDraws(session.databasePath()) : std::vector<quor3::DrawRecord>());
}

void CorrectionsWindow::showDraws(std::vector<quor3::DrawRecord> draws)
{
    shown_ = std::move(draws);
    QStringList entryLines;
    entryLines.reserve(qsizetype(shown_.size()));
    const bool dayFirst = datesDayFirst();
    for (const auto& draw : shown_) {
        const QString line = QString::fromStdString(quor3::entryLine(draw));
        entryLines.append(dayFirst ? dayFirstLine(line) : line);
    }
    const int scrolled = drawList->verticalScrollBar()->value();
    filling_ = true;
    drawList->clear();
    drawList->addItems(entryLines);
    speakListAsDraws(drawList);
    drawList->setCurrentRow(-1);
    filling_ = false;
    selectedIndex_ = -1;
    // The list opens at the newest draws, at its end; a refill stays where the
    // user was. Scrolling to the end first lays the new lines out.
    drawList->scrollToBottom();
    if (filledOnce_)
        drawList->verticalScrollBar()->setValue(scrolled);
    filledOnce_ = true;
}

void CorrectionsWindow::refresh()
{
    if (!Session::instance().databaseExists())
        return;
    fillList();
}

void CorrectionsWindow::followDiskChange()
{
    // A question or a change of this window's own is under way: it reads the
    // database itself when it is done, and this looks again after it.
    if (activation_.busy()) {
        QTimer::singleShot(250, this, &CorrectionsWindow::followDiskChange);
        return;
    }
    const Session& session = Session::instance();
    std::vector<quor3::DrawRecord> now;
    try {
        if (session.databaseExists())
            now = quor3::readDraws(session.databasePath());
    } catch (const quor3::Error& e) {
        instructionsLabel->setText(QString::fromUtf8(e.what()));
        return;
    }
    // This window's own change: the list already shows it.
    if (std::equal(now.begin(), now.end(), shown_.begin(), shown_.end(), quor3::sameDateAndDigits))
        return;

    const int picked = selectedRow() >= 0 ? selectedIndex_ : -1;
    const quor3::DrawRecord pickedDraw = picked >= 0 ? shown_[static_cast<std::size_t>(picked)] : quor3::DrawRecord();
    showDraws(std::move(now));
    if (refreshRequest_) {
        try {
            refreshRequest_();
        } catch (const quor3::Error&) {
            // The window below reads it again when it is activated.
        }
    }
    QString text = tr("%1 was changed by another program; the list was read again.").arg(session.databaseNameText());
    if (picked < 0) {
        instructionsLabel->setText(text);
        return;
    }
    // The picked draw where it now is, the nearest to its old place should
    // the database hold it more than once.
    int found = -1;
    for (int i = 0; i < static_cast<int>(shown_.size()); ++i)
        if (quor3::sameDateAndDigits(shown_[static_cast<std::size_t>(i)], pickedDraw) &&
            (found < 0 || std::abs(i - picked) < std::abs(found - picked)))
            found = i;
    if (found >= 0) {
        filling_ = true;
        drawList->setCurrentRow(found);
        filling_ = false;
        selectedIndex_ = found;
        drawList->scrollToItem(drawList->item(found));
    } else {
        text += tr(" The picked entry is gone: pick one again.");
    }
    instructionsLabel->setText(text);
}

int CorrectionsWindow::selectedRow() const
{
    const QList<QListWidgetItem*> selected = drawList->selectedItems();
    return selected.isEmpty() ? -1 : drawList->row(selected.first());
}

void CorrectionsWindow::reloadChangedDatabase()
{
    const Session& session = Session::instance();
    QString text = tr("%1 has changed since this window listed its draws").arg(session.databaseNameText());
    if (selectedIndex_ >= 0 && selectedIndex_ < static_cast<int>(shown_.size())) {
        const quor3::DrawRecord& draw = shown_[static_cast<std::size_t>(selectedIndex_)];
        text += tr(": the entry %1 of %2 is no longer where the list showed it")
                    .arg(QString::fromStdString(quor3::digitTriple(draw.Digit1, draw.Digit2, draw.Digit3)),
                         dateText(draw.DrawDate));
    }
    text += tr(". Nothing was written; the list now shows the database as it is.");
    Dialogs::inform(this, windowTitle(), text, {}, QMessageBox::Warning);
    fillList();
    resetDigits();
    if (refreshRequest_)
        refreshRequest_();
}

void CorrectionsWindow::loadSelectedDraw()
{
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(shown_.size()))
        return;
    selectedIndex_ = row;
    instructionsLabel->setText(tr(Instructions));
    // The draw as the list shows it: should the database have changed since,
    // the change of it is refused when it is written.
    selectedRecord_ = shown_[static_cast<std::size_t>(row)];
    firstDigitBox->setValue(selectedRecord_.Digit1);
    secondDigitBox->setValue(selectedRecord_.Digit2);
    thirdDigitBox->setValue(selectedRecord_.Digit3);
    digitTyping_->restart();
    const quor3::CivilDate date = quor3::decodeDate(selectedRecord_.DrawDate);
    // The record's own date always shows, also a year outside the usual
    // limits, so that a record re-entered unedited is written back as it was.
    setSpinEditRange(yearBox, std::min(FirstYear, date.year), std::max(LastYear, date.year));
    // Year and month first, so that the day box already allows the record's day.
    yearBox->setValue(date.year);
    monthBox->setValue(date.month);
    dayBox->setValue(date.day);
    describeOrigin(row);
}

void CorrectionsWindow::describeOrigin(int row)
{
    // Where the draw came from and what its date held before, as the full
    // history keeps them: on the line itself, for the mouse and screen readers.
    QListWidgetItem* item = drawList->item(row);
    const Session& session = Session::instance();
    if (!item || !session.databaseExists())
        return;
    QStringList lines;
    const quor3::DrawOrigin origin = quor3::originOf(session.databasePath(), selectedRecord_);
    if (!origin.origin.kind.empty())
        lines << tr("From %1, stored %2.")
                     .arg(QString::fromStdString(quor3::originText(origin.origin)),
                          QLocale().toString(QDateTime::fromSecsSinceEpoch(origin.at), QLocale::ShortFormat));
    for (const quor3::LoggedCorrection& c : quor3::correctionLog(session.databasePath(), selectedRecord_.DrawDate)) {
        QStringList before;
        for (const quor3::DrawRecord& r : c.day.before)
            before << QString::fromStdString(quor3::digitTriple(r.Digit1, r.Digit2, r.Digit3));
        lines << tr("Earlier %1, until %2 (%3).")
                     .arg(before.join(QStringLiteral(", ")),
                          QLocale().toString(QDateTime::fromSecsSinceEpoch(c.at), QLocale::ShortFormat),
                          QString::fromStdString(quor3::originText(c.origin)));
    }
    item->setToolTip(lines.join(QLatin1Char('\n')));
}

void CorrectionsWindow::reenterDraw()
{
    if (selectedRow() < 0 || selectedIndex_ < 0)
        return;
    // An impossible date stops here, before the database is opened.
    quor3::DrawRecord record;
    record.DrawDate = quor3::encodeDate(spinEditValue(yearBox), spinEditValue(monthBox), spinEditValue(dayBox));
    record.Digit1 = spinEditValue(firstDigitBox);
    record.Digit2 = spinEditValue(secondDigitBox);
    record.Digit3 = spinEditValue(thirdDigitBox);

    const ActivationGate::Busy writing(activation_);
    Session& session = Session::instance();
    std::string failure;
    const long long ticketMark = quor3::ticketChangeMark(session.databasePath());
    const bool written = changeSelectedDraw(
        [&] {
            quor3::correctDraw(session.folder, session.databaseName, selectedIndex_,
                               shown_[static_cast<std::size_t>(selectedIndex_)], record);
        },
        [&] {
            if (!session.databaseExists())
                return;
            BusyCursor busy;
            StatusBarSink sink;
            quor3::RebuildResult rebuilt;
            rebuilt.totalDraws = session.totalDraws;
            failure = quor3::rebuildAfterChange(session.folder, session.databaseName, quor3::FirstPanels::LastDateOnly,
                                                sink, &rebuilt);
            session.totalDraws = rebuilt.totalDraws;
        });
    showRebuildFailure(failure);
    if (written) {
        // A correction may make a ticket a winner.
        announceTicketWins(this, quor3::announcementsSince(session.databasePath(), ticketMark));
        firstDigitBox->setFocus();
    }
}

void CorrectionsWindow::showRebuildFailure(const std::string& failure)
{
    // The draw is stored whatever the rebuild did: the failure is no error of the change.
    if (!failure.empty())
        Dialogs::inform(this, windowTitle(), QString::fromStdString(failure), {}, QMessageBox::Warning);
}

void CorrectionsWindow::deleteDraw()
{
    if (selectedRow() < 0 || selectedIndex_ < 0)
        return;
    // The question activates the window again when it closes: the list must
    // not be read afresh in between.
    const ActivationGate::Busy asking(activation_);
    Session& session = Session::instance();
    const int index = selectedIndex_;
    const quor3::DrawRecord shown = shown_[static_cast<std::size_t>(index)];
    const QString question =
        QString(tr("Delete the entry %1 of %2 from %3?\nThe database as it is now is kept as a "
                   "backup first."))
            .arg(QString::fromStdString(quor3::digitTriple(shown.Digit1, shown.Digit2, shown.Digit3)),
                 dateText(shown.DrawDate), session.databaseNameText());
    if (Dialogs::ask(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                     QMessageBox::No) != QMessageBox::Yes)
        return;
    std::string failure;
    changeSelectedDraw([&] { quor3::deleteDraw(session.folder, session.databaseName, index, shown); },
                       [&] {
                           // The count changes, so every panel does; without
                           // its last draw there is no database, as before
                           // its first one.
                           BusyCursor busy;
                           StatusBarSink sink;
                           // The last entry is no longer the database's last change.
                           session.lastEntry.reset();
                           session.totalDraws = 0;
                           if (!session.databaseExists()) {
                               quor3::openDatabase(session.folder, session.databaseName, sink);
                               return;
                           }
                           session.totalDraws = quor3::countDraws(session.databasePath());
                           failure = quor3::rebuildAfterChange(session.folder, session.databaseName,
                                                               quor3::FirstPanels::TotalAndLastDate, sink);
                       });
    showRebuildFailure(failure);
}

bool CorrectionsWindow::changeSelectedDraw(const std::function<void()>& change, const std::function<void()>& rebuild)
{
    bool moved = false;
    {
        // The change and its rebuild are one change of the folder.
        Session& session = Session::instance();
        const quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
        try {
            change();
        } catch (const quor3::DrawMovedError&) {
            moved = true;
        }
        if (!moved) {
            fillList();
            if (refreshRequest_)
                refreshRequest_();
            resetDigits();
            rebuild();
        }
    }
    // Said without the lock: the message waits for the user.
    if (moved)
        reloadChangedDatabase();
    return !moved;
}
