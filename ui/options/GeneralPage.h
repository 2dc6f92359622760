#pragma once
// The options tab "General": language, window size, "Multiplayer", the
// "Multimedia" switches and the buttons "Speed" and "Passport".

#include "ui/options/OptionsPage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;

namespace quarn {

class GeneralPage : public OptionsPage {
    Q_OBJECT
  public:
    // screen: the screen size the size list must fit (empty: every size).
    GeneralPage(const OptionsPageTools &tools, QSize screen);

    void load() override;
    void relabel() override;
    // The button reads "Speed" + "=" + the speed of the settings.
    void showSpeed();

    // The window sizes the size list offers (setting values, in list order).
    const std::vector<int> &offeredSizes() const { return sizeValues_; }
    TWemCardsButton *speedButton() const { return speed_; }

  signals:
    // The window size changed (the recording switch and the preview follow it).
    void windowSizeChanged();
    // Button "Speed": the dialog opens the speed window.
    void speedRequested();

  private:
    void buildMultimedia();
    void connectMultimedia();
    void chooseLanguage(int row);
    void chooseWindowSize(int index);
    void chooseRedCursor(bool on);
    void chooseNewButtons(bool on);

    QListWidget *languages_ = nullptr;
    QComboBox *sizes_ = nullptr;
    std::vector<int> sizeValues_;
    QCheckBox *multiplayer_ = nullptr;
    QGroupBox *multimedia_ = nullptr;
    QCheckBox *sound_ = nullptr;
    QCheckBox *music_ = nullptr;
    QCheckBox *gif_ = nullptr;
    QCheckBox *fly_ = nullptr;
    QCheckBox *redCursor_ = nullptr;
    QCheckBox *newButtons_ = nullptr;
    TWemCardsButton *speed_ = nullptr;
    TWemCardsButton *passport_ = nullptr;
};

} // namespace quarn
