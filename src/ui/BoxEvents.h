#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace forgeline {

// The typed-key, lost-focus and click events of one text box, list or combo box, as handlers.
// Attached to the widget that receives the events (a combo box's line edit, say).
class BoxEvents : public QObject {
    Q_OBJECT

  public:
    // The events of this widget; made on first use and owned by the widget.
    static BoxEvents& of(QWidget* widget);

    // Called with each typed character before it reaches the box and the length the text
    // will have before the character goes in (the selection it replaces taken away); returns
    // false to drop the character.
    BoxEvents& onTyped(std::function<bool(char32_t typed, qsizetype lengthBefore)> filter);
    // Called when the focus moves to another control of the same window, not when a message
    // box or another window takes it.
    BoxEvents& onLostFocus(std::function<void()> handler);
    // Called when the user clicks into the box with the left mouse button; other buttons open
    // menus, not the box.
    BoxEvents& onClick(std::function<void()> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit BoxEvents(QWidget* widget);

    QWidget* widget_;
    std::function<bool(char32_t, qsizetype)> typed_;
    std::function<void()> lostFocus_;
    std::function<void()> click_;
};

} // namespace forgeline
