#include "analysis/OddEvenWindow.h"
#include "platform/ChanceTips.h"
#include "platform/WindowKit.h"

#include "engine/Analysis.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace
{
// The "/" separators stand here; odd values end just before it, even values start after it.
constexpr int SeparatorLeft = 372;
constexpr int SeparatorGap = 2;
constexpr int EvenLeft = 388;
constexpr int RowTop[5] = {10, 42, 74, 106, 138};

// Left edge of the odd total so that its last digit stands just before the "/".
int oddTotalLabelLeft(int oddTotal)
{
    if (oddTotal < 10)
        return 356;
    if (oddTotal < 100)
        return 348;
    return 340;
}
} // namespace

OddEvenWindow::OddEvenWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm16");
    setWindowTitle(tr("Odd / Even "));
    setFixedSize(500, 221);
    setFont(arialFont(13));
    const QFont bold = arialFont(15, true);
    const QFont plain = arialFont(15);

    auto make = [&](int number, const QString& text, const QFont& font, int x, int y) {
        QLabel* l = addLabel(this, qPrintable(QString("Label%1").arg(number)), text, font, x, y);
        labels[static_cast<std::size_t>(number - 1)] = l;
    };
    make(17, tr("Odd"), bold, 340, RowTop[0]);
    make(18, tr("Even"), bold, EvenLeft, RowTop[0]);
    const QString captions[4] = {tr(" Total Odd / Even Numbers Drawn: "), tr(" Percentage (all drawings): "),
                                 tr("Odd / Even Ratio (all drawings): "), tr("Odd / Even Ratio (last 5 days): ")};
    // Value labels that do not move start where their usual text ends before the "/".
    const int oddLeft[4] = {356, 328, 336, 344};
    for (int row = 0; row < 4; ++row) {
        const int first = 1 + row * 4;
        const int y = RowTop[row + 1];
        make(first, captions[row], bold, 8, y);
        make(first + 1, QString(), bold, oddLeft[row], y);
        make(first + 2, "/", plain, SeparatorLeft, y);
        make(first + 3, QString(), bold, EvenLeft, y);
    }

    closeButton = addCloseButton(this);
    closeButton->setGeometry(500 - 16 - 100, 221 - 16 - 30, 100, 30);

    Help::bindF1(this, "oe");
    centreOnScreen(this);
}

bool OddEvenWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { runGuarded(this, [this] { refresh(); }); });
    return QDialog::event(e);
}

void OddEvenWindow::refresh()
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    const quor3::OddEven values = quor3::countOddEven(quor3::readDraws(session.databasePath()));
    const quor3::OddEvenTexts t = quor3::formatOddEven(values);

    auto set = [this](int number, const std::string& text) {
        QLabel* l = label(number);
        l->setText(QString::fromStdString(text));
        l->adjustSize();
    };
    set(2, t.oddTotal);
    set(4, t.evenTotal);
    set(6, t.oddPercent);
    set(8, t.evenPercent);
    set(10, t.oddAverage);
    set(12, t.evenAverage);
    set(14, t.lastFiveOdd);
    set(16, t.lastFiveEven);
    setChanceTip(label(6), openDatabaseChance(), {"odd-count-0", "odd-count-1", "odd-count-2", "odd-count-3"});

    // A full database holds up to 2193 digits: a total of four figures would
    // run into the "/" from the place of three, so it moves left to end before it.
    QLabel* oddTotal = label(2);
    const int left = oddTotalLabelLeft(values.oddTotal);
    oddTotal->move(std::min(left, SeparatorLeft - SeparatorGap - oddTotal->width()), oddTotal->y());
}
