#include "widgets/statushints.h"

#include <QEvent>
#include <QStatusBar>
#include <QWidget>

namespace vetra::widgets {

void StatusHints::Add(QWidget* control, const QString& hint) {
    hints_.insert(control, hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        auto hint = hints_.constFind(watched);
        if (hint != hints_.constEnd()) bar_->showMessage(*hint);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vetra::widgets
