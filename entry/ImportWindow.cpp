#include "entry/ImportWindow.h"

#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/ImportChecks.h"
#include "engine/Rebuild.h"
#include "engine/ResultsSource.h"
#include "engine/Tickets.h"
#include "entry/TicketWins.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/StatusBarSink.h"
#include "platform/WindowKit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace
{

// The draw choice's last item when the file holds several draws.
const char* const EveryDrawItem = QT_TRANSLATE_NOOP("ImportWindow", "every draw, one database each");

// The preview shows this many draws at each end.
constexpr int PreviewEnds = 5;
// A longer file shows this much of its text in the box; all of it is read.
constexpr qint64 TextShown = 1 << 20;

QString title()
{
    return QCoreApplication::translate("ImportWindow", "Import Draws");
}

QString drawsText(long long n)
{
    return (n == 1 ? ImportWindow::tr("%1 draw") : ImportWindow::tr("%1 draws")).arg(n);
}

} // namespace

ImportWindow::ImportWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("ImportWindow");
    setWindowTitle(title());
    setFont(arialFont(13));
    // As large as it was designed, or as the screen allows.
    const QRect screen = (owner ? owner->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(700, screen.width() * 9 / 10), std::min(640, screen.height() * 9 / 10));
    rememberSize(this, "ImportWindow");

    chooseFileButton = new QPushButton(tr("Choose &File..."), this);
    chooseFileButton->setObjectName("chooseFileButton");
    sourceLabel = new QLabel(tr("Choose a results file, or paste its lines below."), this);
    sourceLabel->setObjectName("sourceLabel");
    sourceText = new QPlainTextEdit(this);
    sourceText->setObjectName("sourceText");
    sourceText->setTabChangesFocus(true);
    nameForReader(sourceText, tr("Results to import"), tr("The lines of the chosen file, or lines pasted here"));
    sourceText->setFont(courierFont(13));
    sourceText->setLineWrapMode(QPlainTextEdit::NoWrap);
    sourceText->setPlaceholderText("12/6/2026,4,5,1\n12/5/2026,0,0,7\n...");

    layoutLabel = new QLabel(this);
    layoutLabel->setObjectName("layoutLabel");
    layoutLabel->setWordWrap(true);
    drawLabel = new QLabel(tr("&Draw:"), this);
    drawChoice = new QComboBox(this);
    drawChoice->setObjectName("drawChoice");
    drawChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    drawLabel->setBuddy(drawChoice);
    countLabel = new QLabel(this);
    countLabel->setObjectName("countLabel");
    countLabel->setWordWrap(true);

    previewGrid = new QTableWidget(0, 3, this);
    previewGrid->setObjectName("previewGrid");
    nameForReader(previewGrid, tr("First and last draws"));
    previewGrid->setHorizontalHeaderLabels({tr("Line"), tr("Date"), tr("Digits")});
    previewGrid->verticalHeader()->hide();
    previewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewGrid->setSelectionMode(QAbstractItemView::NoSelection);
    previewGrid->horizontalHeader()->setStretchLastSection(true);
    // Eleven rows, the five first and five last draws around a gap, fit without scrolling.
    previewGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    previewGrid->verticalHeader()->setDefaultSectionSize(previewGrid->fontMetrics().height() + 4);
    previewGrid->setMinimumHeight(previewGrid->horizontalHeader()->sizeHint().height() +
                                  (2 * PreviewEnds + 1) * (previewGrid->fontMetrics().height() + 4) + 4);
    skippedLabel = new QLabel(tr("Skipped lines"), this);
    skippedLabel->setObjectName("skippedLabel");
    skippedList = new QListWidget(this);
    skippedList->setObjectName("skippedList");
    nameForReader(skippedList, tr("Skipped lines"));

    mergeButton = new QRadioButton(tr("&Merge with the stored draws"), this);
    mergeButton->setObjectName("mergeButton");
    mergeButton->setChecked(true);
    replaceButton = new QRadioButton(tr("&Replace the stored draws"), this);
    replaceButton->setObjectName("replaceButton");

    importButton = new QPushButton(tr("&Import"), this);
    importButton->setObjectName("importButton");
    importButton->setEnabled(false);
    closeButton = addCloseButton(this);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setRange(0, 1000);
    progressBar->setTextVisible(false);
    progressBar->hide();
    cancelButton = new QPushButton(tr("Cance&l"), this);
    cancelButton->setObjectName("cancelButton");
    cancelButton->hide();
    reader_ = new QFutureWatcher<FileRead>(this);

    auto* layout = new QVBoxLayout(this);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(chooseFileButton);
    sourceRow->addWidget(sourceLabel, 1);
    sourceRow->addWidget(progressBar, 1);
    sourceRow->addWidget(cancelButton);
    layout->addLayout(sourceRow);
    layout->addWidget(sourceText, 2);
    layout->addWidget(layoutLabel);
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(drawLabel);
    drawRow->addWidget(drawChoice);
    drawRow->addStretch(1);
    layout->addLayout(drawRow);
    layout->addWidget(countLabel);
    auto* lists = new QGridLayout;
    auto* previewLabel = new QLabel(tr("First and last draws"), this);
    lists->addWidget(previewLabel, 0, 0);
    lists->addWidget(skippedLabel, 0, 1);
    lists->addWidget(previewGrid, 1, 0);
    lists->addWidget(skippedList, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);
    layout->addLayout(lists, 3);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(mergeButton);
    modeRow->addWidget(replaceButton);
    modeRow->addStretch(1);
    layout->addLayout(modeRow);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(importButton);
    buttonRow->addWidget(closeButton);
    layout->addLayout(buttonRow);

    connect(chooseFileButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseFile(); }); });
    connect(sourceText, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_) {
            sourceLabel->setText(tr("The results pasted below."));
            runGuarded(this, [this] { scanText(); });
        }
    });
    connect(drawChoice, &QComboBox::currentIndexChanged, this,
            [this] { runGuarded(this, [this] { showChosenDraws(); }); });
    connect(importButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { importDraws(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &ImportWindow::cancelReading);
    connect(reader_, &QFutureWatcher<FileRead>::progressValueChanged, progressBar, &QProgressBar::setValue);
    connect(reader_, &QFutureWatcher<FileRead>::finished, this, &ImportWindow::fileRead);

    Help::bindF1(this, "import");
    scanText();
    chooseFileButton->setFocus();
}

void ImportWindow::chooseFile()
{
    Dialogs::OpenOptions options;
    options.title = tr("Choose a Results File");
    options.filter = tr("Results files (*.csv *.txt *.tsv);;All files (*)");
    options.initialFolder = QString::fromStdString(Session::instance().folder.string());
    const QString chosen = Dialogs::openFile(this, options);
    if (!chosen.isEmpty())
        loadFile(chosen);
}

ImportWindow::~ImportWindow()
{
    // A reading not yet shown still runs, or its end is on its way: it must
    // not come after the window is gone.
    if (reading_) {
        reader_->disconnect(this);
        stop_->store(true);
        reader_->waitForFinished();
    }
}

void ImportWindow::loadFile(const QString& path)
{
    if (isReading())
        return;
    readingPath_ = path;
    const std::string file = path.toStdString();
    setReading(true);
    // A flag of its own: a future cancelled after its end may never finish.
    stop_ = std::make_shared<std::atomic<bool>>(false);
    reader_->setFuture(QtConcurrent::run([file, stop = stop_](QPromise<FileRead>& promise) {
        FileRead read;
        try {
            promise.setProgressRange(0, 1000);
            read.scan = quor3::importFile(file, [&promise, &stop](long long done, long long total) {
                promise.setProgressValue(total > 0 ? static_cast<int>(std::min(done, total) * 1000 / total) : 0);
                return !stop->load();
            });
            if (!read.scan.cancelled) {
                QFile text(QString::fromStdString(file));
                if (!text.open(QIODevice::ReadOnly))
                    quor3::throwIoError(file, "read");
                QByteArray bytes = text.read(TextShown + 1);
                read.shortened = bytes.size() > TextShown;
                if (read.shortened)
                    bytes.truncate(static_cast<qsizetype>(bytes.lastIndexOf('\n', TextShown) + 1));
                read.text = QString::fromUtf8(bytes);
            }
        } catch (...) {
            read.error = std::current_exception();
        }
        promise.addResult(std::move(read));
    }));
}

bool ImportWindow::isReading() const
{
    return reading_;
}

void ImportWindow::cancelReading()
{
    stop_->store(true);
}

void ImportWindow::setReading(bool reading)
{
    reading_ = reading;
    progressBar->setValue(0);
    progressBar->setVisible(reading);
    cancelButton->setVisible(reading);
    sourceLabel->setVisible(!reading);
    chooseFileButton->setEnabled(!reading);
    sourceText->setReadOnly(reading);
    if (reading) {
        importButton->setEnabled(false);
        cancelButton->setFocus();
    } else {
        chooseFileButton->setFocus();
    }
}

void ImportWindow::fileRead()
{
    setReading(false);
    QFuture<FileRead> future = reader_->future();
    // A future cancelled before its task gave a result holds none: taking
    // one would read past the end of its store.
    FileRead read;
    if (future.isValid() && !future.isCanceled() && future.resultCount() > 0)
        read = future.takeResult();
    else
        read.scan.cancelled = true;
    if (read.scan.cancelled) {
        // Nothing of the file read before stays: its draws under this
        // file's name would be imported as if they were this file's.
        loading_ = true;
        sourceText->clear();
        loading_ = false;
        scan_ = {};
        showScan();
        sourceLabel->setText(tr("Reading %1 was cancelled.").arg(QDir::toNativeSeparators(readingPath_)));
        return;
    }
    if (read.error) {
        showChosenDraws();
        runGuarded(this, [&read] { std::rethrow_exception(read.error); });
        return;
    }
    loading_ = true;
    sourceText->setPlainText(read.text);
    loading_ = false;
    QString source = QDir::toNativeSeparators(readingPath_);
    if (read.shortened)
        source += tr(" (the box shows its first part; the whole file is read)");
    sourceLabel->setText(source);
    scan_ = std::move(read.scan);
    showScan();
}

void ImportWindow::scanText()
{
    scan_ = quor3::importDraws(sourceText->toPlainText().toStdString());
    showScan();
}

void ImportWindow::showScan()
{
    layoutLabel->setText(scan_.layout.empty() ? QString() : tr("Layout: ") + QString::fromStdString(scan_.layout));

    const QSignalBlocker quiet(drawChoice);
    const QString before = drawChoice->currentText();
    drawChoice->clear();
    for (const std::string& name : scan_.drawNames)
        drawChoice->addItem(QString::fromStdString(name));
    if (scan_.drawNames.size() > 1)
        drawChoice->addItem(tr(EveryDrawItem), QStringLiteral("every"));
    if (drawChoice->findText(before) >= 0) {
        drawChoice->setCurrentIndex(drawChoice->findText(before));
    } else {
        // The draw the database was imported or fetched as, not the file's first.
        const Session& session = Session::instance();
        const int remembered = session.databaseName.empty()
                                   ? -1
                                   : quor3::drawToPreselect(scan_, quor3::rememberedDrawName(quor3::settingsFilePath(),
                                                                                             session.databaseName));
        if (remembered >= 0)
            drawChoice->setCurrentIndex(remembered);
    }
    drawLabel->setVisible(!scan_.drawNames.empty());
    drawChoice->setVisible(!scan_.drawNames.empty());

    skippedList->clear();
    for (const quor3::SkippedLine& line : scan_.skipped)
        skippedList->addItem(tr("Line %1: %2: %3")
                                 .arg(line.lineNumber)
                                 .arg(QString::fromStdString(line.reason), QString::fromStdString(line.text)));
    const long long unlisted = scan_.skippedCount - static_cast<long long>(scan_.skipped.size());
    if (unlisted > 0)
        skippedList->addItem(tr("... and %1 more").arg(unlisted));
    skippedLabel->setText(tr("Skipped lines: %1").arg(scan_.skippedCount));
    showChosenDraws();
}

bool ImportWindow::everyDrawChosen() const
{
    return drawChoice->currentData().toString() == QLatin1String("every");
}

void ImportWindow::showChosenDraws()
{
    gamePlans_.clear();
    if (everyDrawChosen()) {
        chosen_ = {};
        previewGrid->setRowCount(0);
        const Session& session = Session::instance();
        const quor3::fs::path game =
            session.databaseName.empty() ? quor3::fs::path("draws.c3d") : session.databasePath();
        gamePlans_ = quor3::planGameImport(game, {scan_}, {readingPath_.toStdString()});
        QStringList lines;
        for (const quor3::GameDrawPlan& plan : gamePlans_) {
            const auto& draws = plan.chosen.draws;
            lines << tr("%1: %2, %3, from %4 to %5.")
                         .arg(QString::fromStdString(plan.drawName), QString::fromStdString(plan.databaseName),
                              drawsText(static_cast<long long>(draws.size())), dateText(draws.front().DrawDate),
                              dateText(draws.back().DrawDate));
        }
        countLabel->setText(lines.join('\n'));
        importButton->setEnabled(!gamePlans_.empty() && !isReading());
        return;
    }
    const std::string name = drawChoice->currentText().toStdString();
    chosen_ = quor3::chooseDraw(scan_, name);
    const auto& draws = chosen_.draws;

    previewGrid->setRowCount(0);
    auto addRow = [this](const QString& line, const QString& date, const QString& digits) {
        const int row = previewGrid->rowCount();
        previewGrid->insertRow(row);
        previewGrid->setItem(row, 0, new QTableWidgetItem(line));
        previewGrid->setItem(row, 1, new QTableWidgetItem(date));
        previewGrid->setItem(row, 2, new QTableWidgetItem(digits));
    };
    const std::size_t n = draws.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (n > 2 * PreviewEnds && i == PreviewEnds) {
            addRow("...", "...", "...");
            i = n - PreviewEnds;
        }
        const quor3::DrawRecord& r = draws[i];
        addRow(QString::number(chosen_.lineNumbers[i]), dateText(r.DrawDate),
               QString::fromStdString(quor3::digitTriple(r.Digit1, r.Digit2, r.Digit3)));
    }
    previewGrid->resizeColumnsToContents();

    QString count;
    if (n == 0) {
        count = sourceText->toPlainText().trimmed().isEmpty()
                    ? tr("No draws yet.")
                    : tr("Nothing usable: no line holds a date and three digits.");
    } else {
        count = tr("%1, from %2 to %3.")
                    .arg(drawsText(static_cast<long long>(n)), dateText(draws.front().DrawDate),
                         dateText(draws.back().DrawDate));
        if (chosen_.otherDrawLines > 0)
            count += tr(" %1 lines of other draws are left aside.").arg(chosen_.otherDrawLines);
        if (chosen_.repeatedDraws > 0)
            count += (chosen_.repeatedDraws == 1 ? tr(" %1 repeated in the file is counted once.")
                                                 : tr(" %1 repeated in the file are counted once."))
                         .arg(drawsText(chosen_.repeatedDraws));
        if (n > static_cast<std::size_t>(quor3::MaxDraws))
            count += tr(" A database holds at most %1 draws: the newest are kept.").arg(quor3::MaxDraws);
    }
    countLabel->setText(count);
    importButton->setEnabled(n > 0 && !isReading());
}

void ImportWindow::importDraws()
{
    Session& session = Session::instance();
    if (session.databaseName.empty())
        throw quor3::Error(quor3::Error::Kind::InputOutput,
                           tr("No database is open: open or name one first.").toStdString());
    if (everyDrawChosen()) {
        importEveryDraw();
        return;
    }
    if (chosen_.draws.empty()) {
        Dialogs::inform(this, title(),
                        tr("Nothing usable: no line holds a date and three digits. Nothing was changed."));
        return;
    }
    const bool replace = replaceButton->isChecked();
    if (replace && session.databaseExists()) {
        const QString question =
            tr("Replace the draws stored in %1 with the %2 of the file?\nThe database as it is now is kept as a "
               "backup.")
                .arg(session.databaseNameText(), drawsText(static_cast<long long>(chosen_.draws.size())));
        if (Dialogs::ask(this, title(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) !=
            QMessageBox::Yes)
            return;
    }
    quor3::ImportOutcome outcome;
    std::string failure;
    const long long ticketMark = quor3::ticketChangeMark(session.databasePath());
    {
        BusyCursor busy;
        // One change: no other writer comes between the import and its rebuild.
        const quor3::DatabaseLock lock(session.folder, session.databaseName, quor3::DatabaseLock::Exclusive);
        outcome = quor3::storeImport(session.folder, session.databaseName, chosen_.draws,
                                     replace ? quor3::ImportMode::Replace : quor3::ImportMode::Merge);
        // The last entry is no longer the database's last change.
        session.lastEntry.reset();
        session.totalDraws = quor3::countDraws(session.databasePath());
        StatusBarSink sink;
        failure =
            quor3::rebuildAfterChange(session.folder, session.databaseName, quor3::FirstPanels::TotalAndLastDate, sink);
    }
    if (const QString drawName = drawChoice->currentText(); !drawName.isEmpty())
        quor3::rememberDrawName(quor3::settingsFilePath(), session.databaseName, drawName.toStdString());
    Dialogs::inform(this, title(), QString::fromStdString(quor3::describeImport(outcome)));
    // The draws are stored whatever the rebuild did: its failure is said as such.
    if (!failure.empty())
        Dialogs::inform(this, title(), QString::fromStdString(failure), {}, QMessageBox::Warning);
    announceTicketWins(this, quor3::announcementsSince(session.databasePath(), ticketMark));
    accept();
}

void ImportWindow::importEveryDraw()
{
    Session& session = Session::instance();
    // The plans were named after the open database when they were shown.
    gamePlans_ = quor3::planGameImport(session.databasePath(), {scan_}, {readingPath_.toStdString()});
    std::vector<quor3::GameDrawImport> done;
    {
        BusyCursor busy;
        done =
            quor3::storeGameImport(session.folder, gamePlans_,
                                   replaceButton->isChecked() ? quor3::ImportMode::Replace : quor3::ImportMode::Merge,
                                   readingPath_.toStdString(), quor3::settingsFilePath(), session.databaseName);
    }
    QStringList lines;
    for (const quor3::GameDrawImport& one : done) {
        lines << QStringLiteral("%1: %2").arg(QString::fromStdString(one.plan.drawName),
                                              QString::fromStdString(one.plan.databaseName))
              << QString::fromStdString(quor3::describeImport(one.outcome));
        if (!one.rebuildFailure.empty())
            lines << QString::fromStdString(one.rebuildFailure);
    }
    Dialogs::inform(this, title(), lines.join('\n'));
    if (!done.empty())
        databaseToOpen_ = QString::fromStdString((session.folder / done.front().plan.databaseName).string());
    accept();
}
