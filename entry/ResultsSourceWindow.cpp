#include "entry/ResultsSourceWindow.h"

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/ImportChecks.h"
#include "engine/ResultsSource.h"
#include "entry/FetchModule.h"
#include "platform/Accessibility.h"
#include "platform/DailyTimer.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace
{

QString title()
{
    return QCoreApplication::translate("ResultsSourceWindow", "Results Source");
}
constexpr int NewestShown = 3;

} // namespace

ResultsSourceWindow::ResultsSourceWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("ResultsSourceWindow");
    const Session& session = Session::instance();
    setWindowTitle(QString(title()) + " - " + session.databaseNameText());
    setFont(arialFont(13));

    auto* addressLabel =
        new QLabel(tr("&Address of the results file (https://, http://, or a file on this computer):"), this);
    addressLabel->setWordWrap(true);
    addressEdit = new QLineEdit(this);
    addressEdit->setObjectName("addressEdit");
    addressEdit->setPlaceholderText("https://example.com/pick3.csv");
    addressLabel->setBuddy(addressEdit);
    browseButton = new QPushButton(tr("&Browse..."), this);
    browseButton->setObjectName("browseButton");
    tryButton = new QPushButton(tr("&Try"), this);
    tryButton->setObjectName("tryButton");
    tryButton->setDefault(true);

    trialLabel = new QLabel(tr("Try the address to see the draws it holds."), this);
    trialLabel->setObjectName("trialLabel");
    trialLabel->setWordWrap(true);
    trialLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    drawLabel = new QLabel(tr("&Draw:"), this);
    drawChoice = new QComboBox(this);
    drawChoice->setObjectName("drawChoice");
    drawChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    drawLabel->setBuddy(drawChoice);
    auto* newestLabel = new QLabel(tr("Newest draws in the file:"), this);
    newestList = new QListWidget(this);
    newestList->setObjectName("newestList");
    newestList->setFont(courierFont(13));
    newestList->setFocusPolicy(Qt::NoFocus);
    newestList->setSelectionMode(QAbstractItemView::NoSelection);
    newestList->setFixedHeight((NewestShown + 1) * (newestList->fontMetrics().height() + 2) + 6);
    checkAtOpenBox = new QCheckBox(tr("Check for new results &when this database opens"), this);
    checkAtOpenBox->setObjectName("checkAtOpenBox");
    checkAtOpenBox->setChecked(true);
    dailyTimerBox = new QCheckBox(tr("Check for new results &every day"), this);
    dailyTimerBox->setObjectName("dailyTimerBox");
    dailyTimerLabel = new QLabel(this);
    dailyTimerLabel->setObjectName("dailyTimerLabel");
    dailyTimerLabel->setWordWrap(true);
    dailyTimerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    saveButton = new QPushButton(tr("&Save"), this);
    saveButton->setObjectName("saveButton");
    saveButton->setEnabled(false);
    QPushButton* closeButton = addCloseButton(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addressLabel);
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(addressEdit, 1);
    addressRow->addWidget(browseButton);
    addressRow->addWidget(tryButton);
    layout->addLayout(addressRow);
    layout->addWidget(trialLabel);
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(drawLabel);
    drawRow->addWidget(drawChoice);
    drawRow->addStretch(1);
    layout->addLayout(drawRow);
    layout->addWidget(newestLabel);
    layout->addWidget(newestList);
    layout->addWidget(checkAtOpenBox);
    layout->addWidget(dailyTimerBox);
    layout->addWidget(dailyTimerLabel);
    layout->addStretch(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(saveButton);
    buttonRow->addWidget(closeButton);
    layout->addLayout(buttonRow);
    showDailyTimer();
    resize(620, sizeHint().height());
    rememberSize(this, "ResultsSourceWindow");

    runGuarded(
        this, [this, &session] { saved_ = quor3::readResultsSource(quor3::settingsFilePath(), session.databaseName); });
    if (saved_) {
        addressEdit->setText(QString::fromStdString(saved_->address));
        checkAtOpenBox->setChecked(saved_->checkAtOpen);
        if (!saved_->drawName.empty())
            drawChoice->addItem(QString::fromStdString(saved_->drawName));
    }
    drawLabel->setEnabled(drawChoice->count() > 0);
    drawChoice->setEnabled(drawChoice->count() > 0);

    connect(tryButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { tryAddress(); }); });
    connect(browseButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { chooseFile(); }); });
    connect(addressEdit, &QLineEdit::textChanged, this, [this] {
        tryButton->setDefault(true);
        updateSave();
    });
    connect(drawChoice, &QComboBox::currentIndexChanged, this,
            [this] { runGuarded(this, [this] { showChosenDraw(); }); });
    connect(checkAtOpenBox, &QCheckBox::toggled, this, [this] { updateSave(); });
    connect(dailyTimerBox, &QCheckBox::toggled, this, [this](bool on) { switchDailyTimer(on); });
    connect(saveButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { save(); }); });
    connect(&trial_, &QFutureWatcher<Trial>::finished, this, [this] { runGuarded(this, [this] { showTrial(); }); });

    Help::bindF1(this, "results");
    pinFontsInPixels(this);
    updateSave();
    addressEdit->setFocus();
}

ResultsSourceWindow::~ResultsSourceWindow()
{
    if (cancel_)
        cancel_->store(true);
    trial_.waitForFinished();
}

void ResultsSourceWindow::chooseFile()
{
    Dialogs::OpenOptions options;
    options.title = tr("Choose a Results File");
    options.filter = tr("Results files (*.csv *.txt *.tsv *.json);;All files (*)");
    options.initialFolder = QString::fromStdString(Session::instance().folder.string());
    const QString chosen = Dialogs::openFile(this, options);
    if (chosen.isEmpty())
        return;
    addressEdit->setText(QDir::toNativeSeparators(chosen));
    tryAddress();
}

void ResultsSourceWindow::tryAddress()
{
    if (trying())
        return;
    const std::string address = addressEdit->text().trimmed().toStdString();
    if (address.empty()) {
        trialLabel->setText(tr("Type the address of the results file first."));
        return;
    }
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    trialLabel->setText(tr("Trying ") + QString::fromStdString(address) + "...");
    tryButton->setEnabled(false);
    trial_.setFuture(QtConcurrent::run([address, cancel = cancel_]() {
        Trial trial;
        try {
            quor3::FetchOptions options;
            options.cancel = cancel.get();
            trial.scan = quor3::importDraws(FetchModule::fetchFile(address, options).body);
        } catch (const std::exception& e) {
            trial.failure = QString::fromUtf8(e.what());
        }
        return trial;
    }));
    triedAddress_ = QString::fromStdString(address);
}

void ResultsSourceWindow::showTrial()
{
    tryButton->setEnabled(true);
    // The report may wrap to more lines than the window had room for.
    const auto grow = qScopeGuard([this] {
        if (height() < sizeHint().height())
            resize(width(), sizeHint().height());
    });
    const Trial trial = trial_.result();
    const QString before = drawChoice->currentText();
    {
        const QSignalBlocker quiet(drawChoice);
        drawChoice->clear();
    }
    newestList->clear();
    scan_ = {};
    if (!trial.failure.isEmpty()) {
        trialLabel->setText(trial.failure);
        triedAddress_.clear();
        chosenHasDraws_ = false;
        updateSave();
        return;
    }
    scan_ = trial.scan;
    if (scan_.draws.empty()) {
        trialLabel->setText(triedAddress_ + tr(" holds no draw that Quor 3 can read."));
        triedAddress_.clear();
        chosenHasDraws_ = false;
        updateSave();
        return;
    }
    trialLabel->setText(
        tr("%1 draws found. Layout: %2.").arg(scan_.draws.size()).arg(QString::fromStdString(scan_.layout)));
    {
        const QSignalBlocker quiet(drawChoice);
        for (const std::string& name : scan_.drawNames)
            drawChoice->addItem(QString::fromStdString(name));
        int kept = drawChoice->findText(before, Qt::MatchFixedString);
        // The draw the database was imported or fetched as, not the file's first.
        if (kept < 0)
            kept = quor3::drawToPreselect(
                scan_, before.isEmpty()
                           ? quor3::rememberedDrawName(quor3::settingsFilePath(), Session::instance().databaseName)
                           : before.toStdString());
        if (kept >= 0)
            drawChoice->setCurrentIndex(kept);
    }
    drawLabel->setEnabled(drawChoice->count() > 0);
    drawChoice->setEnabled(drawChoice->count() > 0);
    showChosenDraw();
    saveButton->setDefault(saveButton->isEnabled());
}

QString ResultsSourceWindow::chosenDrawName() const
{
    return drawChoice->count() > 0 ? drawChoice->currentText() : QString();
}

void ResultsSourceWindow::showChosenDraw()
{
    newestList->clear();
    chosenHasDraws_ = false;
    if (!scan_.draws.empty()) {
        const quor3::ChosenDraws chosen = quor3::chooseDraw(scan_, chosenDrawName().toStdString());
        chosenHasDraws_ = !chosen.draws.empty();
        const std::size_t n = chosen.draws.size();
        const bool dayFirst = datesDayFirst();
        for (std::size_t i = n; i > 0 && i + NewestShown > n; --i) {
            const QString line = QString::fromStdString(quor3::entryLine(chosen.draws[i - 1]));
            newestList->addItem(dayFirst ? dayFirstLine(line) : line);
        }
        speakListAsDraws(newestList);
    }
    updateSave();
}

void ResultsSourceWindow::showDailyTimer()
{
    const DailyTimer::State timer = DailyTimer::state();
    {
        const QSignalBlocker quiet(dailyTimerBox);
        dailyTimerBox->setChecked(timer.enabled);
    }
    dailyTimerBox->setEnabled(timer.available);
    dailyTimerLabel->setText(!timer.reason.isEmpty()
                                 ? timer.reason
                                 : tr("Every database in ~/quor3box that has a results source, once a day, also while "
                                      "Quor 3 is closed. It is turned on or off at once."));
    // A screen reader on the box reads why it is unavailable, too.
    dailyTimerBox->setAccessibleDescription(dailyTimerLabel->text());
}

void ResultsSourceWindow::switchDailyTimer(bool on)
{
    runGuarded(this, [on] {
        const BusyCursor busy;
        on ? DailyTimer::enable() : DailyTimer::disable();
    });
    showDailyTimer();
}

void ResultsSourceWindow::updateSave()
{
    const QString address = addressEdit->text().trimmed();
    const bool tried = !address.isEmpty() && address == triedAddress_ && !trying() && chosenHasDraws_;
    // A saved source may keep its address untried, to change only when it is checked.
    const bool unchanged = saved_ && address == QString::fromStdString(saved_->address) &&
                           chosenDrawName() == QString::fromStdString(saved_->drawName);
    saveButton->setEnabled(tried || (unchanged && !address.isEmpty()));
}

void ResultsSourceWindow::save()
{
    const Session& session = Session::instance();
    quor3::ResultsSource source = saved_.value_or(quor3::ResultsSource{});
    const std::string address = addressEdit->text().trimmed().toStdString();
    const std::string drawName = chosenDrawName().toStdString();
    if (address != source.address || drawName != source.drawName) {
        // The validators describe the old file.
        source.etag.clear();
        source.lastModified.clear();
    }
    source.address = address;
    source.drawName = drawName;
    source.checkAtOpen = checkAtOpenBox->isChecked();
    quor3::writeResultsSource(quor3::settingsFilePath(), session.databaseName, source);
    accept();
}
