#include "platform/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// F1 opens the contents instead of a topic without a page: every topic the
// windows name has one, and no page links to a page that is not there.
TEST(HelpPages, EveryTopicAndEveryLinkHasItsPage)
{
    initPlatformResources();
    const char* topics[] = {"contents", "description", "results", "fetch", "daily", "tickets", "prizes", "import"};
    for (const char* topic : topics)
        EXPECT_TRUE(QFile::exists(QString(":/help/%1.html").arg(topic))) << topic;

    int links = 0;
    QDirIterator pages(":/help", {"*.html"});
    while (pages.hasNext()) {
        const QString page = pages.next();
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        const QRegularExpression link(R"(href="([^":#]+)(#[^"]*)?")");
        for (auto it = link.globalMatch(text); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(":/help/" + target))
                << page.toStdString() << " links to " << target.toStdString();
        }
    }
    EXPECT_GT(links, 50);
}
