#pragma once

#include <QObject>
#include <string>
#include <vector>

class QMenu;
class QSettings;

namespace forgeline {

// "Recent &Files": the scenarios last opened or saved, kept in the user's settings under one
// key and nothing else. The list is read afresh before each change and each showing, so
// editors running at once do not drop each other's files.
class RecentFilesMenu : public QObject {
    Q_OBJECT

  public:
    // With no settings, or a settings file that is a link, the list lasts for this run only.
    RecentFilesMenu(QMenu* menu, QSettings* settings, QObject* parent);

    void add(const std::string& path);
    void remove(const std::string& path);

  signals:
    void chosen(const std::string& path);

  private:
    std::vector<std::string> stored() const;
    void store(const std::vector<std::string>& recent);
    void show(const std::vector<std::string>& recent);

    QMenu* menu_;
    QSettings* settings_;
    std::vector<std::string> recent_;
};

} // namespace forgeline
