#pragma once

#include <QPlainTextEdit>

namespace forgeline {

// A multi-line box whose text is one line of a scenario file: it wraps long text, and pasted or
// dropped line breaks arrive as spaces. (The Enter key is its window's to refuse.)
class OneLineTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit OneLineTextEdit(QWidget* parent = nullptr);

  protected:
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace forgeline
