#include "platform/DrawsChoice.h"

#include "engine/Errors.h"
#include "engine/History.h"
#include "platform/Session.h"

#include <QLocale>

namespace
{
enum Item { Working, FullHistory };
} // namespace

DrawsChoice::DrawsChoice(QWidget* parent) : QComboBox(parent)
{
    setObjectName("drawsChoice");
    setAccessibleName(tr("Draws to analyse"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, [this] { chosenByUser_ = true; });
    refresh();
}

void DrawsChoice::refresh()
{
    const bool full = fullHistory();
    const Session& session = Session::instance();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const auto draws = [&](long long n) { return n == 1 ? tr("1 draw") : tr("%1 draws").arg(english.toString(n)); };
    clear();
    setToolTip(QString());
    if (!session.databaseExists()) {
        addItem(tr("the working database (%1)").arg(draws(0)), Working);
        return;
    }
    const long long working = quor3::countDraws(session.databasePath());
    addItem(tr("the working database (%1)").arg(draws(working)), Working);
    long long history = 0;
    try {
        history = quor3::summarizeHistory(session.databasePath()).draws;
        addItem(tr("the full history (%1)").arg(draws(history)), FullHistory);
    } catch (const quor3::Error& e) {
        // The working database can still be analysed; the reason is a hover away.
        setToolTip(tr("The full history cannot be read: %1").arg(QString::fromStdString(e.what())));
    }
    const bool chooseFull = chosenByUser_ ? full : history > working;
    setCurrentIndex(chooseFull && count() > 1 ? 1 : 0);
}

bool DrawsChoice::fullHistory() const
{
    return currentData().toInt() == FullHistory;
}

std::vector<quor3::DrawRecord> DrawsChoice::readDraws() const
{
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return {};
    return fullHistory() ? quor3::readHistory(session.databasePath()) : quor3::readDraws(session.databasePath());
}

QString DrawsChoice::chosenName() const
{
    const QString name = Session::instance().databaseNameText();
    return fullHistory() ? tr("%1, full history").arg(name) : name;
}
