// What a player who cannot see the screen, or reads it on a dark desktop,
// meets in every window opened from its menu: a name for every control a
// screen reader lands on, Tab in reading order, readable colours.

#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace
{

// Each window by the menu item that opens it, and the button inside it that
// opens a window of its own, if that one is the one to look at.
const struct {
    const char* item;
    const char* button;
} windows[] = {
    {"ImportDraws1", nullptr},    {"ResultsSource1", nullptr}, {"RestoreBackup1", nullptr},
    {"DeleteDatabase1", nullptr}, {"Add1", nullptr},           {"Add1", "Button1"},
    {"Add1", "Button2"},          {"AddDraw1", nullptr},       {"GraphTotals1", nullptr},
    {"GraphTotals1", "Button1"},  {"OddEvenRatio1", nullptr},  {"PercentageRepeats1", nullptr},
    {"HotColdNumbers1", nullptr}, {"Sums1", nullptr},          {"Sums1", "Button1"},
    {"SetsGraph1", nullptr},      {"SetsGraph1", "Button1"},   {"FairnessCheck1", nullptr},
    {"Totals1", nullptr},         {"Pairs1", nullptr},         {"Frequency1", nullptr},
    {"Ordinal1", nullptr},        {"Display1", nullptr},       {"Search1", nullptr},
    {"Picks1", nullptr},          {"Backtest1", nullptr},      {"AboutQuor31", nullptr},
    {"WhatChance1", nullptr},     {"BuildPlays1", nullptr},
};

QString describe(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The controls Tab should reach: of a group of radio buttons only the checked
// one (arrows move within the group), and no part of a compound control.
bool takesTab(QWidget* w, QWidget* window)
{
    if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
        (w->focusProxy() && !w->isAncestorOf(w->focusProxy())))
        return false;
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QCalendarWidget*>(p) || qobject_cast<QAbstractSpinBox*>(p))
            return false;
    // Of a group of radio buttons Tab reaches the checked one, or the first.
    auto* radio = qobject_cast<QRadioButton*>(w);
    if (!radio || radio->isChecked())
        return true;
    const auto group = radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return group.first() == radio && std::none_of(group.begin(), group.end(), [](auto* r) { return r->isChecked(); });
}

// The controls a reader names: each that can take the focus, by Tab or by a
// click, as the reader meets it. The focus goes on to a control's focus
// proxy (the day grid of a calendar), and a box's own line edit is read as
// its box.
bool named(QWidget* w, QWidget* window)
{
    if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() || w->focusProxy())
        return false;
    // A graph's view takes no focus, but a reader reviews it as a control.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (w->focusPolicy() == Qt::NoFocus && !(face && face->state().focusable) && !qobject_cast<QGraphicsView*>(w))
        return false;
    const QWidget* parent = w->parentWidget();
    return !qobject_cast<const QAbstractSpinBox*>(parent) && !qobject_cast<const QComboBox*>(parent);
}

QStringList nameFaults(QWidget* window)
{
    QStringList faults;
    QHash<QString, QString> owners;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!named(w, window))
            continue;
        const QString name = accessibleName(w);
        if (name.isEmpty())
            faults << describe(w) + " has no accessible name";
        else if (owners.contains(name))
            faults << describe(w) + " and " + owners[name] + " are both \"" + name + "\"";
        else
            owners[name] = describe(w);
    }
    return faults;
}

// Reading order: a step to the next control may go right or down, never back
// up and to the left, once the walk starts at the top left control.
QStringList tabFaults(QWidget* window)
{
    QList<QWidget*> expected;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (takesTab(w, window))
            expected << w;
    if (expected.isEmpty())
        return {};
    auto place = [window](QWidget* w) { return w->mapTo(window, QPoint(0, 0)); };
    QWidget* first = *std::min_element(expected.begin(), expected.end(), [&](QWidget* a, QWidget* b) {
        return std::make_pair(place(a).y() / 24, place(a).x()) < std::make_pair(place(b).y() / 24, place(b).x());
    });
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited{first};
    QStringList faults;
    for (int k = 0; k < 2 * expected.size() + 2; ++k) {
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        while (now && now->focusProxy())
            now = now->focusProxy();
        for (QWidget* p = now; p; p = p->parentWidget())
            if (expected.contains(p)) {
                now = p;
                break;
            }
        if (now == visited.last())
            continue; // from link to link inside a label
        if (!now || now == first)
            break;
        if (visited.contains(now)) {
            faults << "Tab comes back to " + describe(now) + " before " + describe(first);
            break;
        }
        const QPoint a = place(visited.last()), b = place(now);
        if (b.x() < a.x() - 4 && b.y() < a.y() - 4) {
            QStringList order;
            for (QWidget* w : visited + QList<QWidget*>{now})
                order << describe(w);
            faults << "Tab goes back up and left: " + order.join(", ");
        }
        visited << now;
    }
    for (QWidget* w : expected)
        if (!visited.contains(w))
            faults << "Tab never reaches " + describe(w);
    return faults;
}

// Every label's text against what is behind it.
QStringList contrastFaults(QWidget* window)
{
    QStringList faults;
    const QImage shown = window->grab().toImage();
    if (const QString folder = qEnvironmentVariable("QUOR3_SHOTS"); !folder.isEmpty())
        shown.save(folder + "/dark-" + window->objectName() + ".png"); // to look at by eye
    const qreal scale = shown.devicePixelRatio();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        // What is behind the text is the colour most of the label shows.
        QHash<QRgb, int> counts;
        const QRect area(label->mapTo(window, label->contentsRect().topLeft()) * scale,
                         label->contentsRect().size() * scale);
        for (int y = area.top(); y <= area.bottom(); y += 2)
            for (int x = area.left(); x <= area.right(); x += 2)
                if (shown.rect().contains(x, y))
                    ++counts[shown.pixel(x, y)];
        if (counts.isEmpty())
            continue;
        const QRgb back = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                              return a.second < b.second;
                          })->first;
        const QColor text = label->palette().color(label->foregroundRole());
        const double ratio = contrastRatio(text, back);
        if (ratio < 4.5)
            faults << QString("%1 %2 on %3: %4")
                          .arg(describe(label), text.name(), QColor(back).name())
                          .arg(ratio, 0, 'f', 2);
    }
    return faults;
}

// A dark desktop's colours, as a dark theme sets them.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window},
                                {QPalette::Button, QColor(0x3a, 0x3a, 0x3a)},
                                {QPalette::WindowText, text},
                                {QPalette::Text, text},
                                {QPalette::ButtonText, text},
                                {QPalette::ToolTipBase, base},
                                {QPalette::ToolTipText, text},
                                {QPalette::Highlight, QColor(0x35, 0x84, 0xe4)},
                                {QPalette::HighlightedText, QColor(Qt::white)}})
        p.setColor(role, colour);
    return p;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<GuiTestEnvironment> env;
    std::unique_ptr<MainWindow> mainWindow;

    // Opens the row's window from its menu and hands it to `look`.
    void walk(const std::function<QStringList(QWidget*)>& look)
    {
        QStringList faults;
        for (const auto& row : windows) {
            auto* item = mainWindow->findChild<QAction*>(row.item);
            QVERIFY2(item, row.item);
            const QString tag = QString(row.item) + (row.button ? QString("/") + row.button : QString());
            bool seen = false;
            titleOfWindowOpenedBy<QDialog>(item, [&](QDialog* window) {
                if (!row.button) {
                    seen = true;
                    for (const QString& fault : look(window))
                        faults << tag + ": " + fault;
                    return;
                }
                whenModalActive<QDialog>([&, window](QDialog* inner) {
                    if (inner == window)
                        return;
                    seen = true;
                    for (const QString& fault : look(inner))
                        faults << tag + ": " + fault;
                    inner->close();
                });
                child<QAbstractButton>(window, row.button)->click();
            });
            if (!seen)
                faults << tag + ": no window came";
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QCOMPARE(faults.size(), 0);
    }

  private slots:
    void initTestCase()
    {
        // In the desktop's language, as the program starts (ctest runs it in Spanish too).
        Language::install();
    }

    void init()
    {
        env = std::make_unique<GuiTestEnvironment>();
        env->writeDatabase("small.c3d", 40);
        mainWindow = std::make_unique<MainWindow>();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
        Dialogs::queueFile(env->dataFolder() + "/small.c3d");
        mainWindow->findChild<QAction*>("OpenDatabase1")->trigger();
    }

    void cleanup()
    {
        mainWindow.reset();
        env.reset();
    }

    void everyControlHasItsOwnName()
    {
        walk([](QWidget* w) { return nameFaults(w); });
    }

    void tabFollowsReadingOrder()
    {
        walk([](QWidget* w) { return tabFaults(w); });
    }

    // The windows added to the original design keep the size the user gave
    // them, unless it no longer fits the screen.
    void theAddedWindowsKeepTheirSize()
    {
        const QSize screen = mainWindow->screen()->availableGeometry().size();
        for (const char* name : {"ImportDraws1", "ResultsSource1", "RestoreBackup1", "FairnessCheck1", "Backtest1"}) {
            auto* item = mainWindow->findChild<QAction*>(name);
            QSize designed, given, reopened, tooLarge, afterTooLarge;
            titleOfWindowOpenedBy<QDialog>(item, [&](QDialog* w) {
                designed = w->size();
                w->resize(designed - QSize(31, 17));
                given = w->size();
            });
            titleOfWindowOpenedBy<QDialog>(item, [&](QDialog* w) {
                reopened = w->size();
                w->resize(screen + QSize(40, 40));
                tooLarge = w->size();
            });
            titleOfWindowOpenedBy<QDialog>(item, [&](QDialog* w) { afterTooLarge = w->size(); });
            QVERIFY(given != designed);
            QCOMPARE(reopened, given);
            if (tooLarge.width() > screen.width())
                QCOMPARE(afterTooLarge, designed);
        }
    }

    void everyLabelIsReadableOnADarkDesktop()
    {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        walk([](QWidget* w) { return contrastFaults(w); });
        QApplication::setPalette(light);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
