#pragma once

#include <QCheckBox>

class QLabel;
class QLineEdit;

namespace forgeline {

// Moves a label that ends at or over the box it names ("Ship Count:" beside its count) so that
// its text ends a small gap before the box, whole, on the same line.
void KeepClearOf(QLabel* label, const QWidget* box);

// Widens a ship count's box leftwards, its right edge kept, until it shows the largest count
// a scenario can have whole.
void FitCountBox(QLineEdit* box);

// A check box whose caption wraps onto further lines where the box is too narrow for it on
// one, as "Random Start Location" does beside its tick; Qt's own would cut it.
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT

  public:
    WrappingCheckBox(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

} // namespace forgeline
