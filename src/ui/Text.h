#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace forgeline {

// The core keeps text as UTF-8.
inline std::string ToCore(const QString& text) {
    return text.toStdString();
}
inline QString FromCore(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> ToCore(const QStringList& lines);
// A text's own UTF-16, for a rule that reads many lines and keeps none: no line is copied.
// The views hold while the texts do.
inline std::u16string_view Utf16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
std::vector<std::u16string_view> Utf16Views(const QStringList& lines);
// Whether two strings share their text. Shared text cannot change while both hold it, so two
// that share it are the same text: thirty thousand lines compared at a pointer each.
inline bool SharesText(const QString& one, const QString& other) {
    return one.constData() == other.constData() && one.size() == other.size();
}
QStringList FromCore(const std::vector<std::string>& lines);

// The text of a multi-line box as it was set or typed. toPlainText() would turn non-breaking
// spaces into plain ones, so a file opened and saved unchanged would come back changed.
QString PlainTextOf(const QPlainTextEdit* box);

} // namespace forgeline
