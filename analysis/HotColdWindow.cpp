#include "analysis/HotColdWindow.h"
#include "platform/Accessibility.h"
#include "platform/ChanceTips.h"
#include "platform/Colours.h"
#include "platform/WindowKit.h"

#include "engine/Analysis.h"
#include "engine/Errors.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

namespace
{

QPlainTextEdit* listMemo(QWidget* parent, const char* name, const QColor& colour)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(arialFont(19));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setReadableTextColour(memo, colour);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::NoWrap);
    memo->document()->setDefaultTextOption(centred);
    return memo;
}

QLabel* colouredLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QColor& colour,
                      int x, int y)
{
    QLabel* l = addLabel(parent, name, text, font, x, y);
    setReadableTextColour(l, colour);
    return l;
}

void fill(QPlainTextEdit* memo, const std::vector<std::string>& rows)
{
    for (const auto& row : rows)
        memo->appendPlainText(QString::fromStdString(row));
}

} // namespace

HotColdWindow::HotColdWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm18");
    setWindowTitle(tr("Hot/Cold Numbers"));
    setFixedSize(486, 245);
    setFont(arialFont(13));

    const QFont heading = arialFont(37, true);
    hotLabel = colouredLabel(this, "Label2", tr("Hot"), heading, Qt::red, 80, 6);
    coldLabel = colouredLabel(this, "Label3", tr("Cold"), heading, Qt::blue, 318, 6);
    hotList = listMemo(this, "Memo1", Qt::red);
    hotList->setGeometry(24, 56, 200, 88);
    coldList = listMemo(this, "Memo2", Qt::blue);
    coldList->setGeometry(262, 56, 200, 88);

    spanLabel = addLabel(this, "Label1", tr(" # Days to Evaluate:"), arialFont(19), 20, 166);
    spanEdit = new QLineEdit(this);
    spanEdit->setObjectName("Edit1");
    nameForReader(spanEdit, tr("Days to evaluate"));
    nameForReader(hotList, tr("Hot numbers"));
    nameForReader(coldList, tr("Cold numbers"));
    spanEdit->setFont(arialFont(15));
    spanEdit->setGeometry(200, 162, 56, 28);
    listButton = new QPushButton(tr("&List"), this);
    listButton->setObjectName("Button2");
    listButton->setGeometry(270, 161, 80, 30);
    connect(listButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { listHotCold(); }); });
    QFont small("Times New Roman");
    small.setPixelSize(11);
    spanLimitLabel = addLabel(this, "Label4", tr("90 Days Max"), small, 202, 194);

    closeButton = addCloseButton(this);
    closeButton->setFocusPolicy(Qt::TabFocus); // the one Close button that is a Tab stop
    closeButton->setGeometry(486 - 16 - 100, 245 - 16 - 30, 100, 30);

    spanEdit->setFocus();
    Help::bindF1(this, "hc");
    centreOnScreen(this);
}

bool HotColdWindow::event(QEvent* e)
{
    // Filled once when shown: coming back from a message box or the help
    // viewer keeps the lists of the last "&List".
    if (e->type() == QEvent::WindowActivate && !filled_) {
        filled_ = true;
        runGuarded(this, [this] { refresh(); });
    }
    return QDialog::event(e);
}

void HotColdWindow::refresh()
{
    const Session& session = Session::instance();
    const auto freqFile = session.fileInFolder(quor3::files::Freq);
    if (!session.databaseExists() || !quor3::fileExists(freqFile))
        return;
    const auto records = quor3::readCountsFile(freqFile);
    const int span = quor3::defaultHotColdSpan(records.size());
    spanEdit->setText(QString::number(span));
    // A database without draws has nothing to rank.
    if (records.empty())
        return;
    const auto totals = quor3::spanTotals(records, span);
    const quor3::HotColdLists lists = quor3::hotColdLists(*totals);
    fill(hotList, lists.hot);
    fill(coldList, lists.cold);
    const quor3::ChanceReport chance = openDatabaseChance();
    setChanceTip(hotList, chance, {"hot-digit-count"});
    setChanceTip(coldList, chance, {"cold-digit-count"});
}

void HotColdWindow::listHotCold()
{
    hotList->clear();
    coldList->clear();
    const Session& session = Session::instance();
    const auto freqFile = session.fileInFolder(quor3::files::Freq);
    if (!quor3::fileExists(freqFile))
        return;
    const auto pairFile = session.fileInFolder(quor3::files::Pair);
    if (!quor3::fileExists(pairFile))
        quor3::throwIoError(pairFile, "open", tr("No such file or directory").toStdString());
    const auto records = quor3::readCountsFile(freqFile);
    const int span = quor3::toInt(spanEdit->text().toStdString());
    // A span beyond the records (more than "90 Days Max") or below zero lists nothing.
    const auto totals = quor3::spanTotals(records, span);
    if (!totals)
        return;
    quor3::readCountsExactly(pairFile, 10);
    const quor3::HotColdLists lists = quor3::hotColdLists(*totals);
    fill(hotList, lists.hot);
    fill(coldList, lists.cold);
}

void HotColdWindow::closeWindow()
{
    close();
}
