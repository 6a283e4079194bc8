#pragma once

class QWidget;

namespace forgeline {

// Layout figures are in twips, 1/1440 inch: 15 twips to a pixel at 96 logical DPI.
int TwipsToPixelsX(const QWidget* widget, int twips);
int TwipsToPixelsY(const QWidget* widget, int twips);

// Places a child at left, top, width and height given in twips.
void PlaceInTwips(QWidget* widget, int left, int top, int width, int height);

// Gives a window a client area of the given size in twips.
void SizeClientInTwips(QWidget* window, int width, int height);

} // namespace forgeline
