#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

enum class ButtonState;

class QPainter;

// What the pictures say about the 21 tasks and six topics.
namespace Common {

struct Task {
    QString code;  // "1a"
    int topic;     // 1..6
    int item;      // 1..5 within the topic
    QString title; // as written on the pictures
};

const QList<Task>& tasks();
QString topicName(int topic);
// "1a" → "01a", as in the menu's file names.
QString menuCode(const QString& code);

// A small line drawing that stands for the topic (or, with a task code, for
// the task), in one colour, fitted into rect.
void drawTopicIcon(QPainter& painter, const QRectF& rect, int topic, const QColor& colour);
void drawTaskIcon(QPainter& painter, const QRectF& rect, const QString& code, const QColor& colour);

// A button picture on the ground colour: the shape of the state, an icon
// at the left (drawn in the given rectangle, or none) and a bold label.
using IconDraw = std::function<void(QPainter&, const QRectF&, const QColor&)>;
void drawLabelButton(QPainter& painter, QSize size, ButtonState state, const QString& label, const IconDraw& icon,
                     int textPx = 17);
// The same with the icon above a smaller label (narrow toolbar buttons).
void drawToolButton(QPainter& painter, QSize size, ButtonState state, const QString& label, const IconDraw& icon);

// File name suffix of a button state: "_0", "_1" or "_2" (chosen).
QString stateSuffix(ButtonState state);

// Simple line icons for buttons.
void drawBackArrow(QPainter& painter, const QRectF& rect, const QColor& colour);
void drawForwardArrow(QPainter& painter, const QRectF& rect, const QColor& colour);
void drawPrinter(QPainter& painter, const QRectF& rect, const QColor& colour);
void drawTick(QPainter& painter, const QRectF& rect, const QColor& colour);
void drawTable(QPainter& painter, const QRectF& rect, const QColor& colour);
void drawRenew(QPainter& painter, const QRectF& rect, const QColor& colour);

} // namespace Common
