#pragma once
// The two lamps that tell of unseen news and unseen chat messages: each a
// button (so the keyboard and screen readers reach it) that opens the news
// page or the chat. A lit lamp turns; an unlit one stands still, and only a
// lit and shown lamp keeps a timer. At the large window sizes both stand on
// a panel with the news and chat pictures; at the smaller ones each stands
// alone beside the menu buttons while it is lit.
#include <QAbstractButton>
#include <QImage>

class QTimer;

namespace quarn {

class TSirena : public QAbstractButton {
    Q_OBJECT
  public:
    // `blue`: the news lamp "GSirenaB"; otherwise the chat lamp "GSirenaR".
    TSirena(bool blue, QWidget *parent = nullptr);
    void setLit(bool lit);
    bool lit() const { return lit_; }
    bool turning() const;
    int frame() const { return frame_; }

    static constexpr int kFrameMs = 120;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    void followState();

    bool blue_;
    bool lit_ = false;
    int frame_ = 0;
    QTimer *timer_;
};

// The panel of the large sizes: 220 x 125, the window background under it,
// the news and chat pictures on the shelf "GPolkaNw", the lamps before them.
class ImChatNews : public QWidget {
    Q_OBJECT
  public:
    explicit ImChatNews(QWidget *parent = nullptr);
    TSirena *newsLamp() const { return news_; }
    TSirena *chatLamp() const { return chat_; }
    // The part of the window's background the panel covers.
    void setBackground(const QImage &background);

    static constexpr QSize kSize{220, 125};

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QImage background_;
    TSirena *news_;
    TSirena *chat_;
};

} // namespace quarn
