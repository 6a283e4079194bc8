#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace forgeline::bench {

// Counts the paints of a widget, so a benchmark can wait until a change is on the screen.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* widget);

    int paints() const { return paints_; }

    // Processes events until `done` holds and the widget was painted more than `before` times;
    // false when that takes longer than a few seconds.
    bool waitFor(int before, const std::function<bool()>& done) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int paints_ = 0;
};

} // namespace forgeline::bench
