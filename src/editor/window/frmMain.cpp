#include "editor/window/frmMain.h"

#include "ui/Twips.h"

namespace forgeline {

frmMain::frmMain(Services services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Halvex Forgeline v1.1"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    SizeClientInTwips(client, 8430, 3975);
}

} // namespace forgeline
