#include "platform/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// The dialog tests need an application object; it goes before the program's
// static objects do, which it would outlive otherwise.
class ApplicationForDialogs : public ::testing::Environment
{
  public:
    static void ensure()
    {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        if (application)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete application;
        application = nullptr;
    }

  private:
    static inline QApplication* application = nullptr;
};

[[maybe_unused]] ::testing::Environment* const applicationForDialogs =
    ::testing::AddGlobalTestEnvironment(new ApplicationForDialogs);

void ensureApplication()
{
    ApplicationForDialogs::ensure();
}

// Once the open dialog is up, types `text` into its name box with key presses
// and presses Enter, as a user would. A dialog still open after a few seconds
// is cancelled, so that a failure cannot hang the test.
void typeIntoOpenDialog(const QString& text, bool* typed)
{
    *typed = false;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, text, typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!nameBox)
            return;
        nameBox->setFocus();
        QTest::keyClicks(nameBox, text);
        QTest::keyClick(nameBox, Qt::Key_Return);
        *typed = true;
    });
    poll->start();
    QTimer::singleShot(5000, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
}

Dialogs::OpenOptions optionsFor(const QTemporaryDir& dir)
{
    Dialogs::OpenOptions options;
    options.title = "Open Database";
    options.filter = "Quor3 Data File (.c3d) (*.c3d)";
    options.defaultSuffix = "c3d";
    options.initialFolder = dir.path();
    return options;
}

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(OpenDialog, ATypedNameWithQuotesIsOneNameQuotesAndAll)
{
    ensureApplication();
    Dialogs::setTestMode(false);
    QTemporaryDir dir;
    touch(dir.filePath("a \"b\" c.c3d"));
    bool typed = false;
    typeIntoOpenDialog("a \"b\" c.c3d", &typed);
    EXPECT_EQ(Dialogs::openFile(nullptr, optionsFor(dir)).toStdString(), dir.filePath("a \"b\" c.c3d").toStdString());
    EXPECT_TRUE(typed);
}

TEST(OpenDialog, ANewNameWithQuotesGetsTheDefaultSuffixWhole)
{
    ensureApplication();
    Dialogs::setTestMode(false);
    QTemporaryDir dir;
    bool typed = false;
    typeIntoOpenDialog("x \"y\" z", &typed);
    EXPECT_EQ(Dialogs::openFile(nullptr, optionsFor(dir)).toStdString(), dir.filePath("x \"y\" z.c3d").toStdString());
    EXPECT_TRUE(typed);
}

TEST(OpenDialog, APlainNameIsTheDialogsChoice)
{
    ensureApplication();
    Dialogs::setTestMode(false);
    QTemporaryDir dir;
    touch(dir.filePath("ga.c3d"));
    bool typed = false;
    typeIntoOpenDialog("ga", &typed);
    EXPECT_EQ(Dialogs::openFile(nullptr, optionsFor(dir)).toStdString(), dir.filePath("ga.c3d").toStdString());
    EXPECT_TRUE(typed);
}
