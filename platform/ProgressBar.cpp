#include "ProgressBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <algorithm>

namespace platform {

ProgressBar::ProgressBar(QWidget *parent, QRect geometry, int minimum, int maximum, int position)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), throttle_([this] { update(); }) {
    setGeometry(geometry);
    SetPosition(position);
}

void ProgressBar::SetPosition(int position) {
    position_ = static_cast<int>(static_cast<unsigned>(position) & 0xFFFFu);
    const int shown = std::clamp(position_, minimum_, maximum_);
    if (shown == shown_)
        return;
    shown_ = shown;
    throttle_.Request();
}

void ProgressBar::paintEvent(QPaintEvent *) {
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = minimum_;
    option.maximum = maximum_;
    option.progress = shown_;
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
}

} // namespace platform
