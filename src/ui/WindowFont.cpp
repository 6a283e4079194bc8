#include "ui/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace forgeline {

QFont WindowFont() {
    const QStringList families = QFontDatabase::families();
    QFont font;
    for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                               "DejaVu Sans Condensed"}) {
        if (families.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    font.setPointSize(8);
    return font;
}

} // namespace forgeline
