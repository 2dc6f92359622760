#include "web/view/WemIndicators.h"

#include "lang/QtWords.h"
#include "web/view/OnlinePictures.h"

#include <QPainter>
#include <QTimer>

namespace quarn {

TSirena::TSirena(bool blue, QWidget *parent)
    : QAbstractButton(parent), blue_(blue), timer_(new QTimer(this)) {
    setObjectName(blue ? QStringLiteral("GSirenaB") : QStringLiteral("GSirenaR"));
    const QString hint = word(blue ? WordEntry::ChatNewsHint : WordEntry::ChatHint);
    setText(hint);
    setToolTip(hint);
    setAccessibleName(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kSirenaSide, kSirenaSide);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kSirenaFrames;
        update();
    });
}

void TSirena::setLit(bool lit) {
    if (lit_ == lit)
        return;
    lit_ = lit;
    frame_ = 0;
    followState();
    update();
}

bool TSirena::turning() const {
    return timer_->isActive();
}

void TSirena::followState() {
    if (lit_ && isVisible())
        timer_->start();
    else
        timer_->stop();
}

void TSirena::showEvent(QShowEvent *event) {
    QAbstractButton::showEvent(event);
    followState();
}

void TSirena::hideEvent(QHideEvent *event) {
    QAbstractButton::hideEvent(event);
    followState();
}

void TSirena::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!lit_)
        painter.setOpacity(0.45);
    painter.drawImage(0, 0, sirenaFrame(blue_, lit_ ? frame_ : -1));
}

ImChatNews::ImChatNews(QWidget *parent)
    : QWidget(parent), news_(new TSirena(true, this)), chat_(new TSirena(false, this)) {
    setObjectName(QStringLiteral("ImChatNews"));
    setFixedSize(kSize);
    news_->move(36, 78);
    chat_->move(144, 78);
}

void ImChatNews::setBackground(const QImage &background) {
    background_ = background;
    update();
}

void ImChatNews::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
    painter.drawImage(0, 71, onlinePicture(QStringLiteral("GPolkaNw")));
    painter.drawImage(20, 4, onlinePicture(QStringLiteral("GNews072")));
    painter.drawImage(128, 4, onlinePicture(QStringLiteral("GChat072")));
}

} // namespace quarn
