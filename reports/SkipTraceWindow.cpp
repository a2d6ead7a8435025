#include "reports/SkipTraceWindow.h"
#include "platform/Accessibility.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "engine/DataFiles.h"
#include "engine/Reports.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

namespace
{

// Both memos lay out their text from the same margin, so that the labels and
// the chart share their lines.
constexpr int memoTextMargin = 2;
constexpr int memoTop = 30;

QPlainTextEdit* addMemo(QWidget* parent, const char* name)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setFont(courierFont(13));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setWordWrapMode(QTextOption::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(memoTextMargin);
    return memo;
}

} // namespace

SkipTraceWindow::SkipTraceWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm8", tr("Skip/Trace Chart"), 569, 277);

    titleLabel = new QLabel(tr("Skip/Trace Chart for the last 90 days: "), this);
    titleLabel->setObjectName("Label1");
    titleLabel->setGeometry(28, 8, 400, 18);

    chartMemo = addMemo(this, "Memo1");
    chartMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    chartMemo->setGeometry(28, memoTop, 537, 193);
    nameForReader(chartMemo, tr("Skip/trace chart"), tr("One line per digit, one column per draw"));

    // The labels sit on the face colour without a frame; their first line is
    // level with the chart's first line inside its frame.
    digitMemo = addMemo(this, "Memo2");
    digitMemo->setFrameStyle(QFrame::NoFrame);
    digitMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    digitMemo->setFocusPolicy(Qt::NoFocus);
    digitMemo->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette face = digitMemo->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    digitMemo->setPalette(face);
    digitMemo->setGeometry(2, memoTop + chartMemo->frameWidth(), 25, 169);
    digitMemo->setPlainText("0]\n1]\n2]\n3]\n4]\n5]\n6]\n7]\n8]\n9]");

    closeButton = addCloseButton(this, QRect(240, 238, 89, 29));

    Help::bindF1(this, "freq");
}

bool SkipTraceWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void SkipTraceWindow::refresh()
{
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        // Every rebuild writes "freq.dat"; should it be gone all the same, the
        // chart is drawn over no draws at all.
        const auto freqFile = session.fileInFolder(quor3::files::Freq);
        const std::vector<quor3::DigitCounts> records =
            quor3::fileExists(freqFile) ? quor3::readCountsFile(freqFile) : std::vector<quor3::DigitCounts>{};
        const auto chartFile = session.fileInFolder(quor3::files::Frequent);
        quor3::writeTextLines(chartFile, quor3::frequentLines(records));

        chartMemo->clear();
        QStringList lines;
        for (const auto& line : quor3::readTextLines(chartFile))
            lines << QString::fromStdString(line);
        chartMemo->setPlainText(lines.join('\n'));
        setChanceTip(
            chartMemo, openDatabaseChance(),
            {"skip-0", "skip-1", "skip-2", "skip-3", "skip-4", "skip-5", "skip-6", "skip-7", "skip-8", "skip-9"});
    });
}
