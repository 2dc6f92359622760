#pragma once
// The world top ten window ("World Top Ten", 620 x 640). Seven category
// buttons choose what it shows: the account top ten by rating, the three
// world score lists (each with the number of games recorded and the own rows
// below it), the tournament top ten by the chosen criterion, and the ten best
// of the local and the network club files. A failed read shows "No Connect"
// in its part. Ten seconds after a load a refresh button appears. "Passport"
// opens the passport window and reloads.
//
// Without the window pictures of the graphics library the window shows its
// classic layout: three choices (local games, mobile edition, account games)
// read like categories 3, 4 and 2.
#include "ui/TWemAuxForm.h"
#include "web/Account.h"
#include "web/WebServices.h"
#include "web/WorldLists.h"
#include "web/view/WorldWindowHooks.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class QRadioButton;
class QTimer;

namespace quarn {

// Where the window reads from. The account may be null (logged out); the
// tournament top ten, when given, reads the tournament service's ten best by
// a criterion ('s', 'r', 'k'), its rows as a world list's.
struct WorldTopTenSources {
    web::WebServices *web = nullptr;
    const web::Account *account = nullptr;
    std::function<web::Reply<web::WorldRows>(char criterion)> tournamentTopTen;
};

class TFormServerRead : public TWemAuxForm {
    Q_OBJECT
  public:
    // One row as shown: texts ready, a flag code (empty: none) and a sex
    // (empty: none).
    struct Row {
        int place = 0;
        std::string country;
        std::string sex;
        QString nick;
        QString where;
        QString value;
    };
    struct Part {
        std::vector<Row> rows;
        bool failed = false;
    };

    TFormServerRead(const AuxContext &context, WorldTopTenSources sources,
                    web::WorldTopTenState &state, QWidget *parent = nullptr,
                    WorldWindowHooks hooks = {});

    // True when the graphics library beside the program holds the window's
    // pictures; without them the window takes its classic layout.
    static bool windowPicturesAvailable(const QString &programFolder);

    bool classic() const { return classic_; }
    web::WorldCategory category() const { return state_.category; }
    const Part &topPart() const { return top_; }
    const Part &ownPart() const { return own_; }
    // The "Number of games" count; -1 when unread or failed.
    int gameCount() const { return gameCount_; }
    bool countFailed() const { return countFailed_; }
    TWemCardsButton *refreshButton() const { return refresh_; }
    TWemCardsButton *categoryButton(int category) const;
    QTimer *refreshTimer() const { return refreshTimer_; }

    // Shows a category (reads it at once).
    void ShowCategory(web::WorldCategory category);
    // The classic layout's choice 1 to 3.
    void ShowClassicChoice(int choice);
    void SetCriterion(char criterion);
    void Reload();
    void OpenPassport();

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void buildCategoryButtons(int y);
    void buildClassicChoices(int y);
    void buildCriterionChoices(int y);
    void load();
    void readAccountTopTen();
    void readWorldList(const web::CategoryInfo &info);
    void readOwnRows(const web::CategoryInfo &info);
    void readTournament();
    void readClub(bool networkClub);
    void afterLoad();
    QString rowsText() const;
    void showCriterionChoices();
    void paintRows(QPainter &painter, const Part &part, QRect area, int rowHeight, bool flags,
                   bool withSex) const;
    int contentTop() const;

    WorldTopTenSources sources_;
    web::WorldTopTenState &state_;
    WorldWindowHooks hooks_;
    bool classic_ = false;
    Part top_;
    Part own_;
    int gameCount_ = -1;
    bool countFailed_ = false;
    std::array<TWemCardsButton *, web::kWorldCategoryCount> categoryButtons_{};
    std::array<QRadioButton *, 3> classicChoices_{};
    std::array<QRadioButton *, 3> criterionChoices_{};
    TWemCardsButton *refresh_ = nullptr;
    TWemCardsButton *passport_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
    QTimer *refreshTimer_ = nullptr;
};

} // namespace quarn
