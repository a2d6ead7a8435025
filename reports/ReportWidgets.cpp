#include "reports/ReportWidgets.h"

#include "platform/WindowKit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>

namespace reports
{

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
    const int columnWidth = quor3::fittedColumnWidth(grid->width(), grid->columnCount());
    const int rowHeight = quor3::fittedRowHeight(grid->height(), grid->rowCount());
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, columnWidth);
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->setRowHeight(row, rowHeight);
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
    return list;
}

void showEntryLines(QListWidget* list, const std::vector<std::string>& lines)
{
    list->clear();
    for (const auto& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), list);
        item->setSizeHint(QSize(list->fontMetrics().horizontalAdvance(item->text()) + 4, entryLineHeight));
    }
    list->setCurrentRow(-1);
    list->clearSelection();
}

} // namespace reports
