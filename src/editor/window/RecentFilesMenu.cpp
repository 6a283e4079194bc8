#include "editor/window/RecentFilesMenu.h"

#include "editor/RecentFiles.h"
#include "platform/Platform.h"
#include "ui/Text.h"

#include <QMenu>
#include <QSettings>

namespace forgeline {
namespace {

const QString RecentFilesKey = QStringLiteral("RecentFiles");

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QSettings* settings, QObject* parent)
    : QObject(parent), menu_(menu), settings_(settings) {
    show(stored());
    connect(menu_, &QMenu::aboutToShow, this, [this] { show(stored()); });
}

void RecentFilesMenu::add(const std::string& path) {
    store(WithRecentFile(stored(), path));
}

void RecentFilesMenu::remove(const std::string& path) {
    store(WithoutRecentFile(stored(), path));
}

std::vector<std::string> RecentFilesMenu::stored() const {
    if (!settings_) {
        return recent_;
    }
    settings_->sync();
    return KeptRecentFiles(ToCore(settings_->value(RecentFilesKey).toStringList()));
}

void RecentFilesMenu::store(const std::vector<std::string>& recent) {
    // The settings file has a fixed name in the user's folder, and QSettings would write through
    // a link planted there: the list then lasts for this run only.
    if (settings_ && platform::IsSymbolicLink(ToCore(settings_->fileName()))) {
        settings_ = nullptr;
    }
    if (settings_) {
        settings_->setValue(RecentFilesKey, FromCore(recent));
        settings_->sync();
    }
    show(recent);
}

void RecentFilesMenu::show(const std::vector<std::string>& recent) {
    recent_ = recent;
    // The item chosen may be the one that asked for this: it goes once its signal is done.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    for (std::size_t position = 0; position < recent_.size(); ++position) {
        const std::string path = recent_[position];
        QAction* item = menu_->addAction(FromCore(RecentFileCaption(position, path)));
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(position + 1));
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!recent_.empty());
}

} // namespace forgeline
