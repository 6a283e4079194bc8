#include "ui/Text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace forgeline {

std::vector<std::string> ToCore(const QStringList& lines) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        out.push_back(line.toStdString());
    }
    return out;
}

std::vector<std::u16string_view> Utf16Views(const QStringList& lines) {
    std::vector<std::u16string_view> views;
    views.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        views.push_back(Utf16View(line));
    }
    return views;
}

QStringList FromCore(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        out << QString::fromStdString(line);
    }
    return out;
}

QString PlainTextOf(const QPlainTextEdit* box) {
    // Blocks are joined by paragraph separators in the raw text, by line breaks in plain text.
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace forgeline
