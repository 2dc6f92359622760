#pragma once
// The options dialog "Options": nine tabs over the settings, each control
// taking effect the moment it changes (there is no Cancel). The dialog writes
// the new value into the program's settings and asks the main window, through
// OptionsHost, to show it at once; it writes nothing to disk itself. "Ok" and
// Escape close it.

#include "lang/Language.h"
#include "table/Pictures.h"
#include "ui/OptionsChoices.h"
#include "ui/OptionsHost.h"
#include "ui/TWemAuxForm.h"

#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace quarn {

class TFormOptions : public TWemAuxForm {
    Q_OBJECT
  public:
    // host: the main window; null shows the changes nowhere but the settings.
    // screen: the screen size the size list must fit (empty: every size).
    TFormOptions(const AuxContext &context, OptionsHost *host, QSize screen,
                 QWidget *parent = nullptr);
    ~TFormOptions() override;

    // How the speed window is shown: modally by default; tests look at it instead.
    using Runner = std::function<void(QDialog &)>;
    void setRunner(Runner runner) { runner_ = std::move(runner); }

    QTabWidget *tabs() const { return tabs_; }
    // The window sizes the size list offers (setting values, in list order).
    const std::vector<int> &offeredSizes() const { return sizeValues_; }
    // The four-card preview of the chosen face set, as drawn.
    const QImage &preview() const { return previewImage_; }
    // The download button of a library file.
    TWemCardsButton *downloadButton(const QString &libraryFile) const;
    TWemCardsButton *speedButton() const { return speed_; }
    TWemCardsButton *okButton() const { return ok_; }

    // Asks the button of a library to download it (the DLL tab's buttons).
    void downloadLibrary(const QString &libraryFile);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    // Building.
    QWidget *buildGeneralTab();
    QWidget *buildCardsTab();
    QWidget *buildDecksTab();
    QWidget *buildGameTab();
    QWidget *buildFontsTab();
    QWidget *buildBackgroundTab();
    QWidget *buildSaveGamesTab();
    QWidget *buildDllTab();
    QWidget *buildDesignTab();
    TWemCardsButton *makeDownloadButton(const QString &libraryFile, const QString &caption,
                                        QWidget *parent);
    void applyDesignColours();
    void placeControls();

    // Texts and values.
    void relabel();
    void fill();
    void fillGeneral();
    void fillDecks();
    void fillFonts();
    void fillBackground();
    void fillSaveGames();
    void fillDesign();
    void refreshDownloads();
    void drawPreview();
    QString speedCaption() const;

    // Choices.
    void chooseLanguage(int row);
    void chooseWindowSize(int index);
    void chooseFaceSet(int row);
    void chooseBackSet(int row);
    void chooseBackMode(BackMode mode);
    void chooseFontKind(int kind);
    void chooseFontName(const QString &name);
    void chooseFontScale(int percent);
    void restoreDefaultFonts();
    void chooseBackground(int picture, int variant);
    void chooseMenuDesign(int index);
    void chooseTableDesign(int index);
    void chooseAuxDesign(int index);
    void openSpeed();

    Settings &editable();
    OptionsHost &host() { return *host_; }
    void reportMissing(const QString &libraryFile);
    bool graphicsLibraryHoldsIcon() const;
    void resetAllDesigns();

    OptionsHost fallbackHost_;
    OptionsHost *host_ = nullptr;
    QSize screen_;
    Runner runner_;
    LanguageSubscription languageSubscription_;
    bool filling_ = false;
    Pictures previewPictures_;
    QImage previewImage_;
    QImage purpleHeadingNow_;

    QTabWidget *tabs_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
    std::map<QString, TWemCardsButton *> downloads_;

    // General
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
    // Cards
    QListWidget *faces_ = nullptr;
    QLabel *previewLabel_ = nullptr;
    // Decks
    QListWidget *backs_ = nullptr;
    QGroupBox *modification_ = nullptr;
    QRadioButton *changeDecks_ = nullptr;
    QRadioButton *alwaysOne_ = nullptr;
    QRadioButton *random_ = nullptr;
    // Game
    QGroupBox *minor_ = nullptr;
    QCheckBox *highlight_ = nullptr;
    // Fonts
    QComboBox *fontKinds_ = nullptr;
    QComboBox *fontNames_ = nullptr;
    QLabel *scaleLabel_ = nullptr;
    QSpinBox *scale_ = nullptr;
    TWemCardsButton *defaultFonts_ = nullptr;
    QLabel *fontWarning_ = nullptr;
    // BG
    QGroupBox *backgroundGroup_ = nullptr;
    QListWidget *bgPictures_ = nullptr;
    QListWidget *bgColours_ = nullptr;
    // Save games
    QCheckBox *recordGif_ = nullptr;
    QComboBox *capture_ = nullptr;
    QLabel *delayLabel_ = nullptr;
    QSpinBox *delay_ = nullptr;
    // DLL
    QGroupBox *radioGroup_ = nullptr;
    QRadioButton *fromServer_ = nullptr;
    QRadioButton *fromDisk_ = nullptr;
    // Design
    QLabel *menuDesignLabel_ = nullptr;
    QLabel *tableDesignLabel_ = nullptr;
    QLabel *auxDesignLabel_ = nullptr;
    QComboBox *menuDesign_ = nullptr;
    QComboBox *tableDesign_ = nullptr;
    QComboBox *auxDesign_ = nullptr;
    QGroupBox *salute_ = nullptr;
    QCheckBox *saluteButtons_ = nullptr;
    QCheckBox *saluteCards_ = nullptr;
};

} // namespace quarn
