#include "Label.h"

#include "Application.h"
#include "Text.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Label::Label(QWidget *parent, int left, int top, const std::string &text, const QFont &font,
             QColor colour)
    : QWidget(parent), colour_(colour), textThrottle_([this] { ShowText(); }) {
    setFont(font);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    move(left, top);
    text_ = text;
    ShowText();
}

void Label::SetText(const std::string &text) {
    if (text == text_)
        return;
    text_ = text;
    textThrottle_.Request();
}

void Label::ShowText() {
    if (autoSize_)
        FitToText();
    update();
}

void Label::FitToText() {
    const QFontMetrics metrics(font());
    const QSize size = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, ToDisplay(text_));
    resize(std::max(size.width(), 0), metrics.height());
}

void Label::SetFixedBox(int width, int height) {
    autoSize_ = false;
    resize(width, height);
}

void Label::SetRightAligned(bool on) {
    rightAligned_ = on;
    update();
}

void Label::SetColour(QColor colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Label::paintEvent(QPaintEvent *) {
    ++paintCount_;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(colour_);
    const int align = (rightAligned_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(rect(), align | Qt::TextSingleLine | Qt::TextShowMnemonic, ToDisplay(text_));
}

void Label::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    if (onMouseMove_)
        Guard(onMouseMove_);
}

void Label::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (onMouseDown_)
        Guard(onMouseDown_);
}

void Label::mouseDoubleClickEvent(QMouseEvent *event) {
    mousePressEvent(event);
}

} // namespace platform
