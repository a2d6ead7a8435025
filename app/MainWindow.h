#pragma once

#include <QMainWindow>
#include <QPoint>

class QAction;
class QLabel;
class QMenu;

// Where the product picture stands for a screen of the given width.
QPoint productPicturePlace(int screenWidth);

// The main window: menu, gradient, product picture and the five-panel status
// bar that shows the result of the last rebuild. It owns the open database
// (through Session) for the whole run.
class MainWindow : public QMainWindow
{
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QString statusText(int panel) const;
    void setStatusText(int panel, const QString& text);
    // Places the product picture as fitToScreen does for a screen of this width.
    void placeProductPicture(int screenWidth);

    void openDatabase();
    void closeDatabase();
    // The state without an open database, after the open one was deleted.
    void resetAfterDelete();

  private:
    void fitToScreen();
    void buildMenu();
    void setDataMenusEnabled(bool enabled);
    template <typename Window> void showModal();

    QLabel* productPicture_ = nullptr;
    QLabel* panels_[5] = {};
    QList<QMenu*> dataMenus_;
};
