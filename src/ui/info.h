#pragma once

#include <string>

#include <QWidget>

class QPlainTextEdit;

namespace vetra::ui {

// The summary window "Conversion summary...": a modeless, resizable tool window whose one read-only text box
// collects the lines a batch writes. Closing it by hand discards the text (the window deletes itself). Nothing
// here fails.
class Info : public QWidget {
    Q_OBJECT
public:
    explicit Info(QWidget* parent = nullptr);

    // Empties the text, shows the window without blocking, and lets pending events run.
    void ClearText();
    // Appends the text and a line break, scrolls to the end, repaints the main window and lets events run.
    void AddText(const std::string& text);
    // The whole summary, lines separated by "\n".
    QString Text() const;

private:
    QPlainTextEdit* txtInfo_;
};

}  // namespace vetra::ui
