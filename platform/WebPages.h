#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace WebPages
{

// The product support page unless quor3.ini names another under "Support Page"
// (a distributor's own, say).
inline const char* const SupportAddress = "https://quor3.example.com/support";
inline const char* const ResultsSiteName = "LotteryUSA.com";
inline const char* const ResultsAddress = "https://www.lotteryusa.com/";

// The support page's address as configured.
QString supportAddress();

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
