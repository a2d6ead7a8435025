#include "choices/ComputerChoicesWindow.h"

#include "choices/PrintDialog.h"
#include "choices/PrinterTextStream.h"
#include "engine/Choices.h"
#include "engine/DataFiles.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/Help.h"
#include "platform/Resources.h"
#include "platform/Session.h"
#include "platform/WindowKit.h"
#include "tickets/TicketsWindow.h"

#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>

QString printoutFooter()
{
    return ComputerChoicesWindow::tr("Printed by Quor 3. Each draw is independent; no list of plays changes the odds.");
}

const std::array<QString, 7>& printoutHeadings()
{
    static const std::array<QString, 7> headings = {
        ComputerChoicesWindow::tr("Hot Numbers"),       ComputerChoicesWindow::tr("Cold Numbers"),
        ComputerChoicesWindow::tr("Warm Numbers"),      ComputerChoicesWindow::tr("Odd/Even Picks"),
        ComputerChoicesWindow::tr("Ordinal Picks"),     ComputerChoicesWindow::tr("Pairs Picks"),
        ComputerChoicesWindow::tr("Percentage Repeats")};
    return headings;
}

QList<PrintoutLine> choicesPrintout(const QString& databaseName, const QString& dateText, const ChoiceGroups& groups)
{
    using Style = PrintoutLine::Style;
    QList<PrintoutLine> lines = {{ComputerChoicesWindow::tr("Quor 3 - Computer Choices"), Style::Plain},
                                 {databaseName, Style::Plain},
                                 {dateText, Style::Plain}};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        lines.append({printoutHeadings()[g], Style::Heading});
        for (const QString& line : groups[g])
            lines.append({line, Style::Plain});
        // The footer follows the last list directly.
        if (g + 1 < groups.size())
            lines.append({QString(), Style::Plain});
    }
    lines.append({printoutFooter(), Style::Footer});
    return lines;
}

namespace
{

QFont memoFont()
{
    QFont font("Arial");
    font.setPixelSize(16);
    return font;
}

// The printer's fonts are in points: the memos' 16 pixels are 12 points.
QFont printFont(PrintoutLine::Style style)
{
    QFont font("Arial");
    font.setPointSize(style == PrintoutLine::Style::Footer ? 6 : 12);
    font.setBold(style == PrintoutLine::Style::Heading);
    font.setUnderline(style == PrintoutLine::Style::Heading);
    return font;
}

QStringList toQt(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const auto& line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

QStringList memoLines(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

// A file that is missing leaves its memo as it is.
void loadFile(QPlainTextEdit* memo, const char* name)
{
    const auto path = Session::instance().fileInFolder(name);
    if (quor3::fileExists(path))
        memo->setPlainText(toQt(quor3::readTextLines(path)).join('\n'));
}

// No printer glyph comes with the style, so the button gets a small drawn one.
QIcon printerIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5); // paper in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6); // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5); // paper out
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(12, 8); // power light
    return QIcon::fromTheme("document-print", QIcon(pixmap));
}

// Tells of a click that leaves the cursor where it was (the first line).
class ClickWatch : public QObject
{
  public:
    ClickWatch(QObject* parent, std::function<void()> onClick) : QObject(parent), onClick_(std::move(onClick)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            onClick_();
        return false;
    }

  private:
    std::function<void()> onClick_;
};

} // namespace

ComputerChoicesWindow::ComputerChoicesWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName("TForm11");
    setWindowTitle(tr("Computer Choices"));
    setFont(arialFont(13));
    setFixedSize(613, 314);
    addLists();
    addPictureAndButtons();

    centreOnScreen(this);

    Help::bindF1(this, "pick");
    runGuarded(this, [this] { loadChoices(); });
    markChosenLines();
}

// The seven lists of suggestions, each under its caption.
void ComputerChoicesWindow::addLists()
{
    constexpr int columnLeft = 16;
    constexpr int columnStep = 120;
    constexpr int topLabelY = 14;
    constexpr int topMemoY = 38;
    constexpr int bottomLabelY = 162;
    constexpr int bottomMemoY = 186;

    auto makeMemo = [this](const char* name, const char* labelName, const QString& caption, int column, int labelY,
                           int memoY) {
        const int memoX = columnLeft + column * columnStep;
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        QFont bold("Arial");
        bold.setPixelSize(13);
        bold.setBold(true);
        bold.setUnderline(true);
        label->setFont(bold);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setGeometry(memoX - 10, labelY, 117, 20);

        auto* memo = new QPlainTextEdit(this);
        memo->setObjectName(name);
        nameForReader(memo, caption);
        memo->setReadOnly(true);
        memo->setFocusPolicy(Qt::NoFocus);
        memo->setFont(memoFont());
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->document()->setDocumentMargin(2);
        QTextOption centred = memo->document()->defaultTextOption();
        centred.setAlignment(Qt::AlignHCenter);
        memo->document()->setDefaultTextOption(centred);
        memo->setGeometry(memoX, memoY, 97, 97);
        return memo;
    };

    hotList = makeMemo("Memo2", "Label2", tr("Hot Numbers"), 0, topLabelY, topMemoY);
    coldList = makeMemo("Memo3", "Label3", tr("Cold Numbers"), 1, topLabelY, topMemoY);
    warmList = makeMemo("Memo1", "Label1", tr("Warm Numbers"), 2, topLabelY, topMemoY);
    oddEvenList = makeMemo("Memo4", "Label4", tr("Odd/Even Picks"), 3, topLabelY, topMemoY);
    ordinalList = makeMemo("Memo5", "Label5", tr("Ordinal Picks"), 0, bottomLabelY, bottomMemoY);
    pairsList = makeMemo("Memo6", "Label6", tr("Pairs Picks"), 1, bottomLabelY, bottomMemoY);
    repeatsList = makeMemo("Memo9", "Label9", tr("Pct. Repeats"), 2, bottomLabelY, bottomMemoY);
}

void ComputerChoicesWindow::addPictureAndButtons()
{
    auto* pictureLabel = new QLabel(this);
    pictureLabel->setObjectName("Image1");
    initPlatformResources();
    const QImage picture(":/pictures/about.jpg");
    if (!picture.isNull())
        pictureLabel->setPixmap(
            QPixmap::fromImage(picture.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    pictureLabel->setGeometry(520, 30, 64, 64);

    printButton = new QPushButton(printerIcon(), tr("&Print"), this);
    printButton->setObjectName("BitBtn2");
    printButton->setGeometry(500, 226, 97, 30);
    connect(printButton, &QPushButton::clicked, this, [this] { printChoices(); });

    playButton = new QPushButton(tr("Play &Selected..."), this);
    playButton->setObjectName("playButton");
    playButton->setAccessibleName(tr("Play the selected suggestion"));
    playButton->setGeometry(500, 186, 97, 30);
    connect(playButton, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { playSelected(); }); });

    closeButton = addCloseButton(this, QRect(500, 266, 97, 30));
    // The Close button has the focus when the window opens.
    closeButton->setFocusPolicy(Qt::StrongFocus);
    closeButton->setFocus();
}

void ComputerChoicesWindow::markChosenLines()
{
    const QList<QPlainTextEdit*> lists = {hotList,     coldList,  warmList,   oddEvenList,
                                          ordinalList, pairsList, repeatsList};
    for (QPlainTextEdit* list : lists) {
        const auto mark = [this, list, lists] {
            for (QPlainTextEdit* other : lists)
                other->setExtraSelections({});
            QTextEdit::ExtraSelection line;
            line.format.setBackground(palette().highlight());
            line.format.setForeground(palette().highlightedText());
            line.format.setProperty(QTextFormat::FullWidthSelection, true);
            line.cursor = list->textCursor();
            line.cursor.clearSelection();
            list->setExtraSelections({line});
            chosenList_ = list;
        };
        connect(list, &QPlainTextEdit::cursorPositionChanged, this, mark);
        list->viewport()->installEventFilter(new ClickWatch(list, mark));
    }
}

QString ComputerChoicesWindow::selectedSuggestion() const
{
    return chosenList_ ? chosenList_->textCursor().block().text() : QString();
}

void ComputerChoicesWindow::playSelected()
{
    TicketsWindow tickets(this);
    tickets.proposeNumber(selectedSuggestion());
    tickets.exec();
}

void ComputerChoicesWindow::loadChoices()
{
    for (QPlainTextEdit* memo : {hotList, coldList, warmList, oddEvenList, ordinalList, pairsList, repeatsList})
        memo->clear();
    const Session& session = Session::instance();
    if (!session.databaseExists())
        return;
    loadFile(hotList, quor3::files::Hot);
    loadFile(coldList, quor3::files::Cold);
    loadFile(warmList, quor3::files::WarmChoices);
    loadFile(oddEvenList, quor3::files::OddEven);
    const auto ordinal = session.fileInFolder(quor3::files::Ordinal);
    if (quor3::fileExists(ordinal)) {
        auto lines = quor3::readTextLines(ordinal);
        if (lines.size() > 12)
            lines.resize(12);
        ordinalList->setPlainText(toQt(quor3::ordinalRows(lines)).join('\n'));
    }
    loadFile(pairsList, quor3::files::PairChoices);
    loadFile(repeatsList, quor3::files::Repeats);
}

ChoiceGroups ComputerChoicesWindow::memoGroups() const
{
    return {memoLines(hotList),     memoLines(coldList),  memoLines(warmList),   memoLines(oddEvenList),
            memoLines(ordinalList), memoLines(pairsList), memoLines(repeatsList)};
}

void ComputerChoicesWindow::printChoices()
{
    runGuarded(this, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(tr("Quor 3 - Computer Choices"));
        printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        if (!Dialogs::print(this, printer))
            return;
        const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const auto lines = choicesPrintout(Session::instance().databaseNameText(), today, memoGroups());
        PrinterTextStream stream(printer);
        for (const PrintoutLine& line : lines) {
            stream.setFont(printFont(line.style));
            stream.writeLine(line.text);
        }
        stream.close();
    });
}
