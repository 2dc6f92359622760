#pragma once
// The online music player: three 61 x 61 picture buttons at the bottom left
// of the main window (play or pause, next song, volume) that play the songs
// of the song list in random order. It starts silent; once a song plays,
// the next follows when it ends, until the play button stops them.

#include "radio/Playlist.h"
#include "radio/view/Audio.h"
#include "radio/view/RadioController.h"

#include <QAbstractButton>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarn {

// One of the player's picture buttons; drawn pressed at (1, 1).
class MusicButtonWidget : public QAbstractButton {
    Q_OBJECT
  public:
    explicit MusicButtonWidget(QWidget *parent = nullptr);
    void setPicture(const QImage &picture) {
        picture_ = picture;
        update();
    }
    void setBackground(const QImage &background) {
        background_ = background;
        update();
    }
    // The number written on the volume button; none when negative.
    void setNumber(int number) {
        number_ = number;
        update();
    }
    int lastReleaseX() const { return lastReleaseX_; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QImage picture_;
    QImage background_;
    int number_ = -1;
    int lastReleaseX_ = 0;
};

struct MusicContext {
    // The song list page (UTF-8); nothing when it cannot be fetched.
    std::function<std::optional<std::string>()> fetchSongList;
    std::string songFolderUrl; // ends in "/musik/"
    MelodyControl *melody = nullptr;
};

class TMyMediaPL : public QObject {
    Q_OBJECT
  public:
    // The buttons are children of `window`.
    TMyMediaPL(MusicContext context, QWidget *window);

    // Reads the song list and makes the (hidden) buttons.
    void MusicSetup();
    // Button 1 play, 2 next, 3 volume: shown, placed and drawn at a scale of
    // 1.5 or more outside the title screen, hidden otherwise.
    void DrawMusicButton(int button, bool pressed);
    // Where the main window is: its scale, the title screen, its background
    // (for the pieces under the buttons) and the areas its controls take.
    // The buttons keep their row at the bottom left; where a control lies
    // there, the row slides along the bottom edge to the nearest free place.
    void setWindowState(double scale, bool titleScreen, const QImage &background,
                        std::vector<QRect> taken = {});
    void drawAll();

    // The buttons' actions.
    void playClicked();
    void NextSong();
    void volumeClicked(int x);
    // The radio started: the songs stop.
    void stopForRadio();

    bool Create() const { return create_; }
    bool Play() const { return play_; }
    int Volume() const { return volume_; }
    int Max() const { return int(songs_.size()); }
    int N() const { return n_; }
    const std::vector<Song> &songs() const { return songs_; }
    MusicButtonWidget *ImagePlay() const { return buttons_[0]; }
    MusicButtonWidget *ImageNext() const { return buttons_[1]; }
    MusicButtonWidget *ImageVol() const { return buttons_[2]; }
    Audio &audio() { return audio_; }

  signals:
    // A song started playing (the radio goes off for it).
    void startedPlaying();

  private:
    void createStream(double volume);
    void startPlaying();
    // Stops the song and plays one chosen at random.
    void playRandomSong();
    void timerTick();
    // The song played to its end: the next one follows.
    void songEnded();
    void songFailed();
    // Stops the song without redrawing the buttons.
    void stopSongs();
    void updatePlayHint();
    // The left top corner of the row of the three buttons.
    QPoint rowPlace() const;

    MusicContext context_;
    QWidget *window_;
    std::vector<Song> songs_;
    bool create_ = false;
    bool play_ = false;
    int volume_ = kMusicStartVolume;
    int n_ = 0;
    int failuresInRow_ = 0;
    MusicButtonWidget *buttons_[3] = {nullptr, nullptr, nullptr};
    Audio audio_;
    QTimer timer_;
    double scale_ = 1.0;
    bool titleScreen_ = true;
    QImage background_;
    std::vector<QRect> taken_;
};

} // namespace quarn
