#include "ui/DroppedFile.h"

#include "files/TitleFileName.h"
#include "ui/Text.h"

#include <QMimeData>
#include <QUrl>

namespace forgeline {
namespace {

std::optional<std::string> localFile(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
#ifdef Q_OS_WIN
    return ToCore(url.toLocalFile());
#else
    if (!url.host().isEmpty()) {
        return ToCore(url.toLocalFile());
    }
    // A Linux file name is bytes that need not be UTF-8; decoding the address to text would
    // replace those it cannot read, so the path is taken from its percent-encoded bytes.
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray path = QByteArray::fromPercentEncoding(encoded);
    return std::string(path.constData(), static_cast<std::size_t>(path.size()));
#endif
}

} // namespace

bool CarriesFiles(const QMimeData* data) {
    return data && data->hasUrls();
}

std::optional<std::string> DroppedScenario(const QMimeData* data) {
    if (!CarriesFiles(data) || data->urls().size() != 1) {
        return std::nullopt;
    }
    const auto path = localFile(data->urls().front());
    if (!path || !IsScenarioFileName(*path)) {
        return std::nullopt;
    }
    return path;
}

} // namespace forgeline
