#pragma once
// The statistics window: the world statistics of the game (starts, unique
// starts, likes, the last like's nick, six match counters) as the
// statistics service keeps them, and "I like this game!", which counts the
// player's like once. The read and the like run on a request runner off
// the window's thread (WindowRequests); closing cancels them.
#include "ui/TWemAuxForm.h"
#include "web/Records.h"
#include "web/view/WindowRequests.h"

#include <array>
#include <functional>
#include <optional>

class QLabel;

namespace web {
class WebClient;
}

namespace quarn {

class RequestProgress;

class TFStat : public TWemAuxForm {
    Q_OBJECT
  public:
    // `saveSettings` writes the settings after the like-sent flag changed.
    TFStat(const AuxContext &context, web::WebClient &web, std::function<void()> saveSettings,
           QWidget *parent = nullptr, RequestRunner *requests = nullptr);

    // "I like this game!": asks for a nick while the passport's is
    // "Incognito" and starts sending the like; false when nothing is sent.
    // When the server has counted it, the window counts it, disables the
    // button and says `liked`.
    bool like();
    // True while the read or the like has not come back.
    bool requestsRunning() const { return requests_.busy(); }
    const RequestProgress &progress() const { return *progress_; }

    // Asks for a nick starting from `current`; nothing on Cancel. An input
    // box unless replaced (tests answer it).
    using NickAsker = std::function<std::optional<QString>(const QString &current)>;
    void setNickAsker(NickAsker asker) { askNick_ = std::move(asker); }

    bool readOk() const { return read_; }
    const web::TWemStat &stats() const { return stats_; }
    // The ten value places, in the order shown.
    const std::array<QLabel *, 10> &values() const { return values_; }
    TWemCardsButton *likeButton() const { return like_; }

    static constexpr int kWidth = 380;
    static constexpr int kHeight = 470;

  signals:
    // A like has come back: `counted` when the server counted it.
    void liked(bool counted);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void done(int result) override;

  private:
    void showValues();
    void likeCounted(const std::string &nick);
    int rowsTop() const;

    WindowRequests requests_;
    RequestProgress *progress_ = nullptr;
    std::function<void()> saveSettings_;
    NickAsker askNick_;
    web::TWemStat stats_;
    bool read_ = false;
    std::array<QLabel *, 10> captions_{};
    std::array<QLabel *, 10> values_{};
    TWemCardsButton *like_ = nullptr;
};

} // namespace quarn
