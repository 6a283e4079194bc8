#include "ui/DroppedFile.h"

#include "ui/Text.h"

#include <QMimeData>
#include <QUrl>

namespace forgeline {

std::optional<std::string> DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) {
        return std::nullopt;
    }
    const QUrl url = data->urls().front();
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

} // namespace forgeline
