#include "reports/SearchWindow.h"
#include "platform/Accessibility.h"
#include "platform/WindowKit.h"

#include "engine/DrawRecord.h"
#include "engine/Reports.h"
#include "engine/Search.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace
{

// In the order of quor3::SearchType.
const char* const searchTypeCaptions[] = {"1 - -",
                                          "- 2 -",
                                          "- - 3",
                                          "1 2 -",
                                          "1 - 3",
                                          "- 2 3",
                                          "1 2 3",
                                          QT_TRANSLATE_NOOP("SearchWindow", "Random (3)"),
                                          QT_TRANSLATE_NOOP("SearchWindow", "Random (2)"),
                                          QT_TRANSLATE_NOOP("SearchWindow", "Random (1)"),
                                          QT_TRANSLATE_NOOP("SearchWindow", "Doubles")};
constexpr int searchTypeCount = 11;
constexpr int radioColumns = 3;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QFrame* addPanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

SearchWindow::SearchWindow(QWidget* owner) : QDialog(owner)
{
    reports::setUpFixedDialog(this, "TForm2", tr("Search Database"), 526, 425);

    searchTypeBox = new QGroupBox(tr(" Choose Type of  Search "), this);
    searchTypeBox->setObjectName("RadioGroup1");
    searchTypeBox->setGeometry(8, 8, 288, 161);
    searchTypeButtons = new QButtonGroup(searchTypeBox);
    searchTypeButtons->setObjectName("RadioGroup1Buttons");
    searchTypeButtons->setExclusive(true);
    auto* radioLayout = new QGridLayout(searchTypeBox);
    radioLayout->setContentsMargins(8, 6, 4, 6);
    // Items run down the columns, as many per column as it takes to use three.
    const int perColumn = (searchTypeCount + radioColumns - 1) / radioColumns;
    for (int item = 0; item < searchTypeCount; ++item) {
        auto* button = new QRadioButton(tr(searchTypeCaptions[item]), searchTypeBox);
        button->setObjectName(QString("RadioGroup1Item%1").arg(item));
        searchTypeButtons->addButton(button, item);
        radioLayout->addWidget(button, item % perColumn, item / perColumn);
    }
    // Each column as wide as its longest caption: the short "1 - -" column
    // leaves room for "Random (3)" beside it, also at a large font resolution.
    radioLayout->setHorizontalSpacing(4);

    valuesLabel = addLabel(this, "Label1", tr("Search Values:"), QRect(316, 14, 180, 18));
    firstDigitLabel = addLabel(this, "Label4", "1", QRect(316, 38, 48, 16));
    secondDigitLabel = addLabel(this, "Label5", "2", QRect(372, 38, 48, 16));
    thirdDigitLabel = addLabel(this, "Label6", "3", QRect(428, 38, 48, 16));
    for (QLabel* label : {firstDigitLabel, secondDigitLabel, thirdDigitLabel})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    firstDigitEdit = addSpinEdit(this, "SpinEdit1", 0, 9, 1, QRect(316, 56, 48, 24));
    secondDigitEdit = addSpinEdit(this, "SpinEdit2", 0, 9, 1, QRect(372, 56, 48, 24));
    thirdDigitEdit = addSpinEdit(this, "SpinEdit3", 0, 9, 1, QRect(428, 56, 48, 24));
    nameForReader(firstDigitEdit, tr("First search digit"));
    nameForReader(secondDigitEdit, tr("Second search digit"));
    nameForReader(thirdDigitEdit, tr("Third search digit"));

    searchButton = new QPushButton(tr("&Begin Search"), this);
    searchButton->setObjectName("Button1");
    searchButton->setGeometry(316, 100, 160, 29);
    searchButton->setFocusPolicy(Qt::NoFocus);
    connect(searchButton, &QPushButton::clicked, this, &SearchWindow::beginSearch);

    // 14 whole lines of 16 pixels inside the frame.
    resultList = reports::addEntryList(this, QRect(8, 184, 265, 14 * reports::entryLineHeight + 4));
    nameForReader(resultList, tr("Matching draws"));

    matchesPanel = addPanel(this, "Panel2", QRect(284, 184, 234, 48));
    matchesCaptionLabel = addLabel(matchesPanel, "Label2", tr("Number of Matches:"), QRect(8, 6, 218, 17));
    matchCountLabel = addLabel(matchesPanel, "Label3", "0", QRect(8, 25, 218, 17));
    matchCountLabel->hide();

    totalPanel = addPanel(this, "Panel1", QRect(284, 240, 234, 48));
    totalCaptionLabel =
        addLabel(totalPanel, "Label7", tr("Total Number of Entries in Database:"), QRect(8, 6, 222, 17));
    totalCountLabel = addLabel(totalPanel, "Label8", " ", QRect(8, 25, 218, 17));

    closeButton = addCloseButton(this, QRect(429, 384, 89, 29));

    Help::bindF1(this, "sea");
}

bool SearchWindow::event(QEvent* e)
{
    activation_.handle(e, [this] { refresh(); });
    return QDialog::event(e);
}

void SearchWindow::refresh()
{
    matchCountLabel->hide();
    runGuarded(this, [this] {
        const Session& session = Session::instance();
        const long long total = session.databaseExists() ? quor3::countDraws(session.databasePath()) : 0;
        totalCountLabel->setText(QString::fromStdString(quor3::cellText(total)));
    });
}

void SearchWindow::beginSearch()
{
    runGuarded(this, [this] {
        resultList->clear();
        const int type = searchTypeButtons->checkedId();
        if (type < 0 || type >= searchTypeCount) {
            Dialogs::inform(this, QApplication::applicationName(), tr("You forgot to select a Search Type"));
            return;
        }
        const Session& session = Session::instance();
        if (!session.databaseExists())
            return;
        const auto draws = quor3::readDraws(session.databasePath());
        const auto lines =
            quor3::searchResultLines(draws, static_cast<quor3::SearchType>(type), spinEditValue(firstDigitEdit),
                                     spinEditValue(secondDigitEdit), spinEditValue(thirdDigitEdit));
        reports::showEntryLines(resultList, lines);
        matchCountLabel->setText(QString::number(resultList->count()));
        matchCountLabel->show();
    });
}
