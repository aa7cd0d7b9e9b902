#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QStatusBar;
class QWidget;

namespace vetra::widgets {

// Puts a control's hint into a status bar whenever the mouse enters or moves over the control; an empty hint
// clears the bar.
class StatusHints : public QObject {
    Q_OBJECT
public:
    StatusHints(QStatusBar* bar, QObject* parent) : QObject(parent), bar_(bar) {}
    void Add(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* bar_;
    QHash<QObject*, QString> hints_;
};

}  // namespace vetra::widgets
