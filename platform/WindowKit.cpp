#include "platform/WindowKit.h"

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "platform/ProfileFile.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>

#include <algorithm>
#include <initializer_list>

namespace
{

// The family itself where it is installed, else the first installed of its
// metric twins. Asked for a family it does not have, Qt has fontconfig sort
// every installed font by likeness to find the twin, which costs the start-up
// as much again as loading the font.
QString familyOrTwin(const QString& family, std::initializer_list<const char*> twins)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    for (const char* twin : twins)
        if (installed.contains(QLatin1String(twin), Qt::CaseInsensitive))
            return QLatin1String(twin);
    return family;
}

} // namespace

QFont arialFont(int pixelSize, bool bold)
{
    static const QString family = familyOrTwin(QStringLiteral("Arial"), {"Liberation Sans", "Arimo"});
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont courierFont(int pixelSize)
{
    static const QString family = familyOrTwin(QStringLiteral("Courier New"), {"Liberation Mono", "Cousine"});
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void pinFontsInPixels(QWidget* window)
{
    // Parents come before their children in the list, so each control finds
    // its parent's font already pinned.
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (control->font().pixelSize() > 0)
            continue;
        QFont font;
        for (QWidget* up = control->parentWidget(); up; up = up->parentWidget()) {
            if (up->font().pixelSize() > 0) {
                font = up->font();
                break;
            }
        }
        if (font.pixelSize() <= 0) {
            // No parent has one: the same letters at the 96 dots per inch the windows were drawn for.
            font = control->font();
            font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
        }
        control->setFont(font);
    }
}

namespace
{

// Draws "date :" at the left and the digits from a column that the widest
// date leaves free, so that the digits of every line stand one under another.
class EntryLineDelegate : public QStyledItemDelegate
{
  public:
    EntryLineDelegate(int lineHeight, QObject* parent) : QStyledItemDelegate(parent), lineHeight_(lineHeight) {}

    // The least a line needs: the widest date, two blanks and the digits.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const QFontMetrics metrics(option.font);
        const int width = metrics.horizontalAdvance(WidestDate) + metrics.horizontalAdvance(QString(2, ' ')) +
                          metrics.horizontalAdvance(WidestDigits) + 2 * margin(option);
        return QSize(width, lineHeight_);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString text = item.text;
        const qsizetype colon = text.indexOf(" :");
        if (colon < 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin(item), 0, -margin(item), 0);
        const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        const bool selected = item.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(item.font);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(area, flags, text.left(colon + 2));
        // The column gives way to a list too narrow for the full gap.
        const QString digits = text.mid(colon + 2).trimmed();
        const int column = std::min(digitColumn(metrics), area.width() - metrics.horizontalAdvance(digits));
        const int dateEnd = metrics.horizontalAdvance(text.left(colon + 2)) + metrics.horizontalAdvance(' ');
        painter->drawText(area.adjusted(std::max(column, dateEnd), 0, 0, 0), flags, digits);
        painter->restore();
    }

  private:
    static constexpr const char* WidestDate = "00/00/0000 :";
    static constexpr const char* WidestDigits = "0   0   0";

    // The date, then the entry line's eight blanks.
    static int digitColumn(const QFontMetrics& metrics)
    {
        return metrics.horizontalAdvance(WidestDate) + metrics.horizontalAdvance(QString(8, ' '));
    }
    static int margin(const QStyleOptionViewItem& option)
    {
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    }

    int lineHeight_;
};

} // namespace

void showEntryLinesInColumns(QAbstractItemView* list, int lineHeight)
{
    list->setItemDelegate(new EntryLineDelegate(lineHeight, list));
    list->setTextElideMode(Qt::ElideNone);
    if (auto* view = qobject_cast<QListView*>(list))
        view->setUniformItemSizes(true);
}

QPushButton* addCloseButton(QDialog* dialog, const QRect& geometry, const std::function<void()>& onClick)
{
    auto* button =
        new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogCloseButton), QObject::tr("&Close"), dialog);
    button->setObjectName("BitBtn1");
    button->setFocusPolicy(Qt::NoFocus);
    if (geometry.isValid())
        button->setGeometry(geometry);
    if (onClick)
        QObject::connect(button, &QPushButton::clicked, dialog, onClick);
    else
        QObject::connect(button, &QPushButton::clicked, dialog, &QWidget::close);
    return button;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* addTextLabel(QWidget* parent, const char* name, bool verdict)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (verdict) {
        // Copied whole, by its context menu or Ctrl+C, rather than made
        // selectable: a selectable label lays its text out as a document,
        // which took a third of the time its window needs to open.
        auto* copy = new QAction(QObject::tr("&Copy"), label);
        copy->setObjectName(QString(name) + "Copy");
        copy->setShortcut(QKeySequence::Copy);
        QObject::connect(copy, &QAction::triggered, label,
                         [label] { QGuiApplication::clipboard()->setText(label->text()); });
        label->addAction(copy);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    return label;
}

QTableWidget* addResultTable(QWidget* parent, const char* name, int rows, const QStringList& headings)
{
    auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

QSpinBox* addSpinEdit(QWidget* parent, const char* name, int minimum, int maximum, int maxCharacters,
                      const QRect& geometry)
{
    auto* box = new ClampingSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(minimum);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    if (auto* edit = box->findChild<QLineEdit*>())
        edit->setMaxLength(maxCharacters);
    if (geometry.isValid())
        box->setGeometry(geometry);
    return box;
}

QValidator::State ClampingSpinBox::validate(QString& input, int& pos) const
{
    const QString typed = input.trimmed();
    bool isNumber = false;
    const qlonglong number = typed.toLongLong(&isNumber);
    if (isNumber && number > maximum() && typed.front().isDigit()) {
        input = QString::number(maximum());
        pos = int(input.size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(input, pos);
}

void ClampingSpinBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool plainDigit = text.size() == 1 && text.front().isDigit() &&
                            (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (plainDigit && lineEdit()->maxLength() == 1)
        lineEdit()->selectAll();
    QSpinBox::keyPressEvent(event);
}

void setSpinEditRange(QSpinBox* box, int minimum, int maximum)
{
    box->setRange(minimum, maximum);
    const int characters = int(std::max(QString::number(minimum).size(), QString::number(maximum).size()));
    if (auto* edit = box->findChild<QLineEdit*>())
        edit->setMaxLength(std::max(edit->maxLength(), characters));
}

int spinEditValue(const QSpinBox* box)
{
    bool ok = false;
    const int value = box->cleanText().trimmed().toInt(&ok);
    return ok ? qBound(box->minimum(), value, box->maximum()) : box->minimum();
}

namespace
{

constexpr char SizesSection[] = "Windows";

class SizeKeeper : public QObject
{
  public:
    SizeKeeper(QWidget* window, QString key) : QObject(window), key_(std::move(key)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched == parent()) {
            const QSize size = static_cast<QWidget*>(watched)->size();
            try {
                ProfileFile(Settings::filePath())
                    .writeText(SizesSection, key_, QString("%1x%2").arg(size.width()).arg(size.height()));
            } catch (const quor3::Error&) {
                // A size that cannot be kept costs the user nothing but a
                // resize next time: no message for it.
            }
        }
        return false;
    }

  private:
    QString key_;
};

} // namespace

void rememberSize(QWidget* window, const QString& key, const QSize& fallback)
{
    const QStringList stored = ProfileFile(Settings::filePath()).readText(SizesSection, key).split('x');
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize size = stored.size() == 2 ? QSize(stored[0].toInt(), stored[1].toInt()) : QSize();
    if (fallback.isValid()) {
        // Never larger than the screen it opens on: a size kept on a larger
        // screen, or the fallback at a large font resolution, would put the
        // window's edges out of reach.
        const QSize first = size.width() >= 200 && size.height() >= 150 ? size : fallback;
        window->resize(screen ? first.boundedTo(screen->availableGeometry().size() -
                                                (window->frameGeometry().size() - window->size()))
                              : first);
    } else if (size.isValid() && screen && size.width() <= screen->availableGeometry().width() &&
               size.height() <= screen->availableGeometry().height()) {
        window->resize(size.expandedTo(window->minimumSizeHint()));
    }
    window->installEventFilter(new SizeKeeper(window, key));
}

QTableWidgetItem* cellItem(const QString& text, bool rightAligned)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignVCenter | (rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    return item;
}

namespace
{

// The order of a date's numbers in the program's language, from its translation.
QString dateFormat()
{
    //: A date as M/d/yyyy (month, day, year); put day and month in the language's order.
    return QCoreApplication::translate("WindowKit", "M/d/yyyy");
}

} // namespace

QString dateText(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return QString::fromStdString(quor3::monthDayYear(quor3::CivilDate{year, month, day}));
    return date.toString(dateFormat());
}

QString dateText(double dayNumber)
{
    quor3::CivilDate date;
    if (!quor3::decodeDate(dayNumber, date))
        return QString::fromStdString(quor3::monthDayYear(dayNumber));
    return dateText(date.year, date.month, date.day);
}

bool datesDayFirst()
{
    return dateFormat().startsWith('d');
}

QString dayFirstLine(const QString& line)
{
    // The first two numbers change places; the line keeps its length.
    qsizetype start = 0;
    while (start < line.size() && line[start] == ' ')
        ++start;
    const qsizetype first = line.indexOf('/', start);
    const qsizetype second = first < 0 ? -1 : line.indexOf('/', first + 1);
    if (second < 0 || first - start > 2 || second - first > 3)
        return line;
    return line.left(start) + line.mid(first + 1, second - first - 1) + '/' + line.mid(start, first - start) +
           line.mid(second);
}

MiddleElidedLabel::MiddleElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QSize MiddleElidedLabel::sizeHint() const
{
    // Never wider than its room: the status bar gives it what is left.
    return QSize(minimumWidth(), QLabel::sizeHint().height());
}

QSize MiddleElidedLabel::minimumSizeHint() const
{
    return QSize(minimumWidth(), QLabel::minimumSizeHint().height());
}

QString MiddleElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width() - 2 * margin() - indent());
}

bool MiddleElidedLabel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty() && shownText() != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(e);
}

void MiddleElidedLabel::paintEvent(QPaintEvent* e)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect().adjusted(margin() + indent(), margin(), -margin(), -margin()),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}
