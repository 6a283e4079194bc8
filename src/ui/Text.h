#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace forgeline {

// The core keeps text as UTF-8.
inline std::string ToCore(const QString& text) {
    return text.toStdString();
}
inline QString FromCore(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> ToCore(const QStringList& lines);
QStringList FromCore(const std::vector<std::string>& lines);

} // namespace forgeline
