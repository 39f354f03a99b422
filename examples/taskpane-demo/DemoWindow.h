#pragma once

// The demo's window: its layout and the controls' stored settings come from
// DemoWindow.ui; the pane's bars and items are added here, at run time.

#include <QMainWindow>

#include <memory>

class cExplorerBarItem;

namespace Ui {
class DemoWindow;
}

class DemoWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);
    ~DemoWindow() override;

private:
    void fillPane();
    void showItem(const cExplorerBarItem& item);

    std::unique_ptr<Ui::DemoWindow> ui_;
};
