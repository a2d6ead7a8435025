#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace WebPages
{

inline const char* const ResultsSiteName = "LotteryUSA.com";
inline const char* const ResultsAddress = "https://www.lotteryusa.com/";

// The product support page: the one quor3.ini names under "Support Page" (a
// distributor's own, say); empty when none is named, as the program has no
// page of its own.
QString supportAddress();
// Help > Quor3 Web Support: the support page, or without one the program's
// own documentation, its help.
void openSupport(QWidget* owner);

// Hands the address to the desktop's browser; false when it is not a web
// address or no program took it.
bool openAddress(const QString& address);
// Opens the page; on failure says so in plain words, with the address, in an
// "Error ExploreWeb" box.
void OpenWebPage(QWidget* owner, const QString& address);

// Tests replace the desktop's opener.
void setOpenerForTesting(std::function<bool(const QString&)> opener);

} // namespace WebPages
