#include "reports/ReportWidgets.h"

#include "platform/Accessibility.h"
#include "platform/WindowKit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace reports
{

namespace
{

// The view draws a one-pixel line at the right and bottom edge of each cell;
// this widens the lines between cells to two pixels.
class WideGridLines : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const QColor line =
            QColor::fromRgba(static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &option, view)));
        const QRect& r = option.rect;
        if (index.column() + 1 < index.model()->columnCount())
            painter->fillRect(QRect(r.right(), r.top(), 1, r.height() + 1), line);
        if (index.row() + 1 < index.model()->rowCount())
            painter->fillRect(QRect(r.left(), r.bottom(), r.width() + 1, 1), line);
    }
};

// `total` pixels shared out as evenly as whole pixels allow.
int shareOf(int total, int parts, int part)
{
    return total / parts + (part < total % parts ? 1 : 0);
}

} // namespace

void setUpFixedDialog(QDialog* dialog, const char* objectName, const QString& caption, int width, int height)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setFont(arialFont(13));
    dialog->setFixedSize(width, height);
    dialog->setSizeGripEnabled(false);
    centreOnScreen(dialog);
}

QTableWidget* addStringGrid(QWidget* parent, const char* objectName, int columns, int rows, int fixedColumns,
                            int fixedRows, const QRect& geometry)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(objectName);
    grid->setGeometry(geometry);
    grid->setFont(arialFont(11));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setShowGrid(true);
    grid->setItemDelegate(new WideGridLines(grid));
    grid->setWordWrap(false);

    // Disabled, so that nothing can be picked, but readable as ever.
    QPalette palette = grid->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::Window, QPalette::Button,
                      QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    grid->setPalette(palette);
    grid->setEnabled(false);

    const QBrush face = palette.brush(QPalette::Active, QPalette::Button);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (row < fixedRows || column < fixedColumns)
                item->setBackground(face);
            grid->setItem(row, column, item);
        }
    }
    return grid;
}

void fitGridCells(QTableWidget* grid)
{
    // Each cell holds its share of the grid line, so the cells together take
    // the whole inside of the frame, leaving no strip at the right or bottom.
    const QRect inside = grid->contentsRect();
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, shareOf(inside.width(), grid->columnCount(), column));
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->setRowHeight(row, shareOf(inside.height(), grid->rowCount(), row));
}

quor3::TextGrid gridTexts(const QTableWidget* grid)
{
    quor3::TextGrid texts(grid->columnCount(), grid->rowCount());
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (const QTableWidgetItem* item = grid->item(row, column))
                texts.at(column, row) = item->text().toStdString();
    return texts;
}

void showGridTexts(QTableWidget* grid, const quor3::TextGrid& texts)
{
    for (int row = 0; row < grid->rowCount() && row < texts.rows; ++row) {
        for (int column = 0; column < grid->columnCount() && column < texts.columns; ++column) {
            const QString text = QString::fromStdString(texts.at(column, row));
            QTableWidgetItem* item = grid->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled);
                grid->setItem(row, column, item);
            }
            if (item->text() != text)
                item->setText(text);
        }
    }
}

QListWidget* addEntryList(QWidget* parent, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName("ListBox1");
    list->setFont(arialFont(13));
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFocusPolicy(Qt::ClickFocus);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    showEntryLinesInColumns(list, entryLineHeight);
    return list;
}

void showEntryLines(QListWidget* list, const std::vector<std::string>& lines)
{
    // All lines in one insertion, none of them measured: every line has the
    // list's one size, so that 100,000 lines take milliseconds.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    // Each line holds digits, '/', ':' and blanks only.
    const bool dayFirst = datesDayFirst();
    for (const auto& line : lines) {
        const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        texts.append(dayFirst ? dayFirstLine(text) : text);
    }
    list->clear();
    list->addItems(texts);
    speakListAsDraws(list);
    list->setCurrentRow(-1);
    list->clearSelection();
}

} // namespace reports
