#pragma once
// The options dialog "Options": nine tabs over the settings, each control
// taking effect the moment it changes (there is no Cancel). Each tab is a
// page of its own (ui/options/); the dialog holds the tabs, the heading in
// the current language, the "Ok" button and the download buttons, and tells
// one page when a change on another affects it. It writes nothing to disk
// itself. "Ok" and Escape close it.

#include "lang/Language.h"
#include "ui/OptionsHost.h"
#include "ui/TWemAuxForm.h"

#include <QSet>
#include <functional>

#include <map>
#include <vector>

class QTabWidget;

namespace quarn {

class BackgroundPage;
class CardsPage;
class DecksPage;
class DesignPage;
class GeneralPage;
class OptionsPage;
class SaveGamesPage;
struct OptionsPageTools;

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
    const std::vector<int> &offeredSizes() const;
    // The four-card preview of the chosen face set, as drawn.
    const QImage &preview() const;
    // The download button of a library file.
    TWemCardsButton *downloadButton(const QString &libraryFile) const;
    TWemCardsButton *speedButton() const;
    TWemCardsButton *okButton() const { return ok_; }

    // Asks the button of a library to download it (the DLL tab's buttons).
    void downloadLibrary(const QString &libraryFile);
    void libraryDownloaded(const QString &libraryFile, bool arrived);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    OptionsPageTools pageTools();
    void addPages(const OptionsPageTools &tools, QSize screen);
    void linkPages();
    TWemCardsButton *makeDownloadButton(const QString &libraryFile, const QString &caption,
                                        QWidget *parent);
    void applyDesignColours();
    void placeControls();

    void relabel();
    void relabelHeading();
    void load();
    void refreshDownloads();
    void openSpeed();
    void reportMissing(const QString &libraryFile);

    OptionsHost fallbackHost_;
    OptionsHost *host_ = nullptr;
    Runner runner_;
    LanguageSubscription languageSubscription_;
    QImage purpleHeadingNow_;

    QTabWidget *tabs_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
    std::map<QString, TWemCardsButton *> downloads_;
    QSet<QString> downloading_; // the libraries on their way

    std::vector<OptionsPage *> pages_; // in tab order
    GeneralPage *general_ = nullptr;
    CardsPage *cards_ = nullptr;
    DecksPage *decks_ = nullptr;
    BackgroundPage *background_ = nullptr;
    SaveGamesPage *saveGames_ = nullptr;
    DesignPage *design_ = nullptr;
};

} // namespace quarn
