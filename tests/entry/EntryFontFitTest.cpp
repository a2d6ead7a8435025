#include "GuiTestSupport.h"

#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "entry/AddDrawsWindow.h"
#include "entry/CorrectionsWindow.h"
#include "entry/DeleteFileDialog.h"
#include "entry/UpdateMenuWindow.h"
#include "platform/Session.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace
{

// The desktop's forced font resolution, with the windows left at their pixel
// sizes: what a desktop that scales fonts only gives.
constexpr const char* ForcedFontDpi = "144";

QString nameOf(const QWidget* widget)
{
    return QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
}

// Every text of `window` that does not fit its control, one line each.
QStringList clippedTexts(QWidget* window)
{
    QStringList clipped;
    const auto report = [&](const QWidget* widget, const QString& what, int needed, int has) {
        if (needed > has)
            clipped << QString("%1 in %2: %3 needed, %4 there").arg(what, nameOf(widget)).arg(needed).arg(has);
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() ||
            label->parentWidget()->inherits("QAbstractSpinBox"))
            continue;
        if (label->wordWrap())
            report(label, "wrapped text", label->heightForWidth(label->width()), label->height());
        else
            report(label, label->text(), label->sizeHint().width(), label->width());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        if (button->text().isEmpty()) {
            if (qobject_cast<QCheckBox*>(button))
                report(button, "box", button->sizeHint().height(), button->height());
            continue;
        }
        const QFontMetrics metrics(button->font());
        const int text = metrics.horizontalAdvance(QString(button->text()).remove('&'));
        if (qobject_cast<QPushButton*>(button)) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            report(button, button->text(), text + icon + 8, button->width());
        } else {
            report(button, button->text(), button->sizeHint().width(), button->width());
        }
    }
    for (QListWidget* list : window->findChildren<QListWidget*>()) {
        if (list->horizontalScrollBar()->isVisible())
            clipped << "lines wider than " + nameOf(list);
        // An entry line needs at least its date, a blank and its digits; the
        // blanks between them may shrink.
        const QFontMetrics metrics(list->font());
        const int room = list->viewport()->width();
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            const qsizetype colon = text.indexOf(" :");
            const QString least = colon < 0 ? text : text.left(colon + 2) + ' ' + text.mid(colon + 2).trimmed();
            report(list, text, metrics.horizontalAdvance(least) + 6, room);
        }
    }
    for (QSpinBox* box : window->findChildren<QSpinBox*>()) {
        if (!box->isVisibleTo(window))
            continue;
        // What the style says a box needs for its widest number and its arrows.
        report(box, box->text(), box->minimumSizeHint().width(), box->width());
        report(box, box->text(), box->minimumSizeHint().height(), box->height());
    }
    for (QCalendarWidget* calendar : window->findChildren<QCalendarWidget*>()) {
        report(calendar, "six weeks", calendar->minimumSizeHint().height(), calendar->height());
        report(calendar, "seven days", calendar->minimumSizeHint().width(), calendar->width());
        const QFontMetrics metrics(calendar->font());
        int widestDay = 0;
        for (int day = 1; day <= 7; ++day)
            widestDay = std::max(widestDay, metrics.horizontalAdvance(QLocale().dayName(day, QLocale::ShortFormat)));
        report(calendar, "day names", widestDay + 4, calendar->width() / 7);
    }
    return clipped;
}

} // namespace

class EntryFontFitTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<GuiTestEnvironment> env;

    // Shows the window with its lines filled in and reports what it clips.
    template <typename Window> QStringList clippedIn(Window& window)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return {"window not shown"};
        throughGuard(&window, [&] { window.refresh(); });
        return clippedTexts(&window);
    }

  private slots:
    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        // The widest dates and digits a line can have.
        env->writeDatabase("ga.c3d", {{8, 8, 8, 2009, 12, 30}, {0, 0, 0, 2008, 11, 28}, {1, 1, 1, 2002, 1, 1}});
        env->openDatabase("ga.c3d");
    }
    void cleanup() { env.reset(); }

    void entryWindowsFitTheirTexts()
    {
        QStringList clipped;
        {
            AddDrawsWindow window;
            clipped << clippedIn(window);
        }
        {
            UpdateMenuWindow window;
            clipped << clippedIn(window);
        }
        {
            CorrectionsWindow window;
            clipped << clippedIn(window);
            auto* list = child<QListWidget>(&window, "ListBox1");
            list->setCurrentRow(0);
            clipped << clippedTexts(&window);
        }
        {
            DeleteFileDialog window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            clipped << clippedTexts(&window);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    // A second run of this program, with the larger fonts a desktop can force.
    void entryWindowsFitTheirTextsAtALargerFontResolution()
    {
        if (qEnvironmentVariable("QT_FONT_DPI") == ForcedFontDpi)
            QSKIP("this run is the one at the larger resolution");
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_FONT_DPI", ForcedFontDpi);
        environment.insert("QT_ENABLE_HIGHDPI_SCALING", "0");
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {"entryWindowsFitTheirTexts"});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, run.readAll().constData());
    }
};

QTEST_MAIN(EntryFontFitTest)
#include "EntryFontFitTest.moc"
