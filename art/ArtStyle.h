#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The three looks of every button.
enum class ButtonState {
    Normal,      // _0
    Highlighted, // _1: hover, brighter with a strong warm outline
    Chosen,      // pressed or selected: dark saturated face, white text
};

// The one visual style of the program: palette, type and the button shape.
// Light falls from the top left; every raised shape has a soft shade towards
// the bottom right.
class ArtStyle {
public:
    // Fixed colours of the program's screens and scenes.
    static QColor liquid() { return {148, 174, 198}; }
    static QColor mark() { return {199, 21, 21}; }
    static QColor hotBody() { return {255, 6, 6}; }
    static QColor iceWater() { return {200, 255, 255}; }
    static QColor iceBlue() { return {130, 185, 255}; }
    static QColor ray() { return {255, 0, 0}; }
    static QColor imageArrow() { return {0, 128, 0}; }
    static QColor newRankingRow() { return {227, 0, 0}; }
    static QColor navy() { return {0, 0, 128}; }

    // Our own colours around them.
    static QColor paper() { return {250, 251, 253}; }
    static QColor ink() { return {16, 28, 72}; }          // body text
    static QColor strip() { return {28, 72, 156}; }       // blue strips and title bands
    static QColor stripDark() { return {16, 44, 108}; }
    // The flat ground of every screen: buttons and sprites are drawn on it.
    static QColor ground() { return {222, 235, 250}; }
    static QColor panel() { return {242, 247, 253}; }     // where buttons and texts stand
    static QColor panelEdge() { return {150, 178, 214}; }
    static QColor shade() { return {70, 90, 130, 70}; }   // soft shadow, bottom right
    static QColor hintFill() { return {255, 250, 214}; }
    static QColor hintEdge() { return {176, 120, 20}; }
    static QColor gold() { return {246, 178, 44}; }

    // Accent colour of topic 1 to 6.
    static QColor topic(int topic);

    // Type: DejaVu Sans in pixel sizes (never below 12 px on a picture).
    static void loadFonts();
    static QFont font(int pixelSize, bool bold = false);
    static constexpr int kMinTextPx = 12;

    // The button shape.
    static constexpr qreal kRadius = 9.0;
    static constexpr qreal kOutline = 2.0;
    static void drawButton(QPainter& painter, const QRectF& rect, ButtonState state);
    static QColor buttonText(ButtonState state);
    // A raised panel (the same shape and light, without button states).
    static void drawPanel(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& edge,
                          qreal radius = kRadius);
    // The flat ground of full screens.
    static void drawBackdrop(QPainter& painter, const QRectF& rect);
    // The title band across the top of a screen, with a caption.
    static void drawTitleBand(QPainter& painter, const QRectF& rect, const QString& caption);

    // The largest pixel size from maxPx down to minPx at which the text fits
    // on one line of the given width; 0 when none does.
    static int singleLineSize(const QString& text, qreal width, int maxPx, int minPx, bool bold);
    // Draws text in the rectangle at the largest size from pixelSize down to
    // kMinTextPx at which it fits (wrapping at blanks when allowed).
    static void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize,
                               bool bold, const QColor& colour, int flags = Qt::AlignCenter,
                               bool wrap = true);
};
