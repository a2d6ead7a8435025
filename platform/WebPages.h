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

// The shell-style result of opening an address: above 32 is success.
int openAddress(const QString& address);
// The message for a failed result, empty for success.
QString errorText(int shellResult);
// Opens the page; on failure shows the message and the address in an
// "Error ExploreWeb" box.
void OpenWebPage(QWidget* owner, const QString& address);

// Tests replace the desktop's opener.
void setOpenerForTesting(std::function<int(const QString&)> opener);

} // namespace WebPages
