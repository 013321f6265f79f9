#ifndef UI_MAINWINDOW_H
#define UI_MAINWINDOW_H

class QLabel;
class QListWidget;
class QMainWindow;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QToolBar;
class QWidget;

// The widgets of the book-selection window, at fixed positions.
class Ui_MainWindow {
public:
    QWidget *centralWidget;
    QLabel *lbl_Title;
    QLabel *label;
    QLabel *label_2;
    QListWidget *listWidget;
    QPushButton *pb_Launch;
    QMenuBar *menuBar;
    QToolBar *mainToolBar;
    QStatusBar *statusBar;

    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);
};

#endif // UI_MAINWINDOW_H
