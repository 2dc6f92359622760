#include "web/view/RequestProgress.h"

#include "ui/Words.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace quarn {

RequestProgress::RequestProgress(QWidget *window, const QRect &place)
    : QObject(window), window_(window), text_(new QLabel(word(WordEntry::MainPleaseWait), window)),
      delay_(new QTimer(this)) {
    text_->setObjectName(QStringLiteral("LabelPleaseWait"));
    text_->setGeometry(place);
    text_->setAlignment(Qt::AlignCenter);
    text_->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 225, 235);"
                                        " color: #000080; border: 1px solid #808080; }"));
    text_->hide();
    delay_->setSingleShot(true);
    delay_->setInterval(kTextDelayMs);
    connect(delay_, &QTimer::timeout, this, [this] {
        if (!running())
            return;
        text_->raise();
        text_->show();
    });
}

void RequestProgress::begin(QWidget *button) {
    if (running_++ == 0) {
        window_->setCursor(Qt::BusyCursor);
        delay_->start();
    }
    pressed_.push_back({button, button && button->isEnabled()});
    if (button)
        button->setEnabled(false);
}

void RequestProgress::end() {
    if (running_ == 0)
        return;
    // The window's requests run one after another: the first begun ends first.
    const Pressed last = pressed_.front();
    pressed_.erase(pressed_.begin());
    if (last.button)
        last.button->setEnabled(last.wasEnabled);
    if (--running_ > 0)
        return;
    delay_->stop();
    text_->hide();
    window_->unsetCursor();
}

} // namespace quarn
