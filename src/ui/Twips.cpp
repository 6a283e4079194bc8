#include "ui/Twips.h"

#include <QWidget>

namespace forgeline {

int TwipsToPixelsX(const QWidget* widget, int twips) {
    return (twips * widget->logicalDpiX() + 720) / 1440;
}

int TwipsToPixelsY(const QWidget* widget, int twips) {
    return (twips * widget->logicalDpiY() + 720) / 1440;
}

void PlaceInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixelsX(widget, left), TwipsToPixelsY(widget, top),
                        TwipsToPixelsX(widget, width), TwipsToPixelsY(widget, height));
}

void SizeClientInTwips(QWidget* window, int width, int height) {
    window->setFixedSize(TwipsToPixelsX(window, width), TwipsToPixelsY(window, height));
}

} // namespace forgeline
