#include "engine/Addon.h"

#include "engine/Text.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>

namespace quor3
{

namespace
{

const std::array<AddonKey, AddonKeyCount> AddonKeys = {AddonKey::Straight, AddonKey::Box3Way,   AddonKey::Box6Way,
                                                       AddonKey::Combo,    AddonKey::FrontPair, AddonKey::BackPair};

const char* const AddonNames[AddonKeyCount] = {
    QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Straight"),   QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Box 3-way"),
    QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Box 6-way"),  QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Combo"),
    QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Front Pair"), QT_TRANSLATE_NOOP("quor3::Tickets", "Add-on Back Pair")};

const char* const AddonWords[AddonKeyCount] = {"addon-straight", "addon-box3",      "addon-box6",
                                               "addon-combo",    "addon-frontpair", "addon-backpair"};

} // namespace

const std::array<AddonKey, AddonKeyCount>& allAddonKeys()
{
    return AddonKeys;
}

std::string addonKeyName(AddonKey key)
{
    return translate("quor3::Tickets", AddonNames[static_cast<int>(key)]);
}

std::string addonKeyWord(AddonKey key)
{
    return AddonWords[static_cast<int>(key)];
}

std::optional<AddonKey> addonKeyFromWord(const std::string& word)
{
    const std::string w = boost::algorithm::trim_copy(word);
    for (AddonKey key : AddonKeys)
        if (boost::algorithm::iequals(w, AddonWords[static_cast<int>(key)]))
            return key;
    return std::nullopt;
}

AddonTable defaultAddonTable()
{
    AddonTable t;
    t.prize(AddonKey::Straight) = 20000;
    t.prize(AddonKey::Box3Way) = 6800;
    t.prize(AddonKey::Box6Way) = 3400;
    t.prize(AddonKey::Combo) = 20000;
    t.prize(AddonKey::FrontPair) = 2000;
    t.prize(AddonKey::BackPair) = 2000;
    return t;
}

PrizeTable addonPrizeTable(const AddonTable& table)
{
    const Cents straight = table.prize(AddonKey::Straight);
    const Cents box3 = table.prize(AddonKey::Box3Way);
    const Cents box6 = table.prize(AddonKey::Box6Way);
    PrizeTable t;
    t.prize(PrizeKey::Straight) = straight;
    t.prize(PrizeKey::Box3Way) = box3;
    t.prize(PrizeKey::Box6Way) = box6;
    t.prize(PrizeKey::StraightBox3WayExact) = (straight + box3) / 2;
    t.prize(PrizeKey::StraightBox3WayAny) = box3 / 2;
    t.prize(PrizeKey::StraightBox6WayExact) = (straight + box6) / 2;
    t.prize(PrizeKey::StraightBox6WayAny) = box6 / 2;
    t.prize(PrizeKey::Combo) = table.prize(AddonKey::Combo);
    t.prize(PrizeKey::FrontPair) = table.prize(AddonKey::FrontPair);
    t.prize(PrizeKey::BackPair) = table.prize(AddonKey::BackPair);
    return t;
}

std::array<TicketNumber, 3> addonNumbers(const TicketNumber& drawn, int addonDigit)
{
    std::array<TicketNumber, 3> made{drawn, drawn, drawn};
    for (std::size_t i = 0; i < 3; ++i)
        made[i][i] = addonDigit;
    return made;
}

Cents addonPrize(const TicketPlay& play, const TicketNumber& drawn, int addonDigit, const AddonTable& table)
{
    const PrizeTable prizes = addonPrizeTable(table);
    Cents won = 0;
    for (const TicketNumber& made : addonNumbers(drawn, addonDigit))
        won += playPrize(play, made, prizes);
    return won;
}

Cents addonCostPerDraw(const TicketPlay& play)
{
    TicketPlay base = play;
    base.addon = false;
    return 2 * costPerDraw(base);
}

void carryAddon(DrawRecord& record, std::optional<int> digit)
{
    record.Reserved = {};
    if (digit && *digit >= 0 && *digit <= 9) {
        record.Reserved[0] = 'A';
        record.Reserved[1] = static_cast<std::uint8_t>(*digit);
    }
}

std::optional<int> carriedAddon(const DrawRecord& record)
{
    if (record.Reserved[0] == 'A' && record.Reserved[1] <= 9 && record.Reserved[2] == 0 && record.Reserved[3] == 0)
        return record.Reserved[1];
    return std::nullopt;
}

long long expectedAddonPrizeMilliCents(const TicketPlay& play, const AddonTable& table)
{
    // The add-on digit and the two drawn digits it keeps are independent and
    // uniform, so each made number is any of the 1,000 alike: three times a
    // base play's average under the add-on prizes.
    return 3 * expectedPrizeMilliCents(play, addonPrizeTable(table));
}

namespace
{

TicketPlay dollarPlay(BetType type, const TicketNumber& number)
{
    TicketPlay play;
    play.type = type;
    play.number = number;
    play.stake = 100;
    return play;
}

} // namespace

double addonReturnPerDollar(BetType type, const TicketNumber& number, const AddonTable& table)
{
    const TicketPlay play = dollarPlay(type, number);
    return static_cast<double>(expectedAddonPrizeMilliCents(play, table)) / 1000.0 /
           static_cast<double>(costPerDraw(play));
}

double withAddonReturnPerDollar(BetType type, const TicketNumber& number, const PrizeTable& prizes,
                                const AddonTable& addon)
{
    const TicketPlay play = dollarPlay(type, number);
    const long long milli = expectedPrizeMilliCents(play, prizes) + expectedAddonPrizeMilliCents(play, addon);
    return static_cast<double>(milli) / 1000.0 / static_cast<double>(addonCostPerDraw(play));
}

} // namespace quor3
