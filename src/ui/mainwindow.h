#pragma once

#include <QMainWindow>

namespace vetra::ui {

// The main window: tabs of buttons that start each operation.
class UI : public QMainWindow {
    Q_OBJECT
public:
    explicit UI(QWidget* parent = nullptr);
};

}  // namespace vetra::ui
