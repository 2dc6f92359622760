#include "web/view/TFormServerRead.h"

#include "rules/SoundPlayer.h"
#include "store/ClubFile.h"
#include "ui/GraphicsLibrary.h"
#include "ui/THeadingBand.h"
#include "web/view/CountryPictures.h"
#include "web/view/TFormServerInfo.h"

#include <QPainter>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>

namespace quarn {

namespace {

constexpr int WindowWidth = 620;
constexpr int WindowHeight = 640;
constexpr int RowHeight = 25;
constexpr int OwnRowHeight = 20;
constexpr int OwnRowCount = 5;
constexpr int RefreshDelayMs = 10000;
constexpr int PlaceLeft = 24;
constexpr int FlagLeft = 66;
constexpr int SexLeft = 84;
constexpr int NickLeft = 106;
constexpr int WhereLeft = 262;
constexpr int ValueRight = WindowWidth - 24;
const QString NoConnect = QStringLiteral("No Connect");

AuxLook worldLook() {
    const QString code = pictureCodeText();
    AuxLook look;
    look.window = QStringLiteral("ServerRead");
    look.conciseHeading = QStringLiteral("ServerRead") + code;
    look.aristocraticRibbon = QStringLiteral("GCap610");
    look.aristocraticTitle = word(WordEntry::WorldTopTenCaption);
    look.redRibbon = QStringLiteral("GLenta590x116"); // the heading is wider than the short ribbon
    look.redHeading = QStringLiteral("GFormServerRead") + code;
    look.purpleHeading = QStringLiteral("GFormServerRead") + code;
    look.purpleIcon = QStringLiteral("GIcon48ServerRead");
    return look;
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The rows a world list read filled; `where` and the flag as the list shows them.
std::vector<TFormServerRead::Row> worldRows(const web::WorldRows &rows, bool flags) {
    std::vector<TFormServerRead::Row> shown;
    for (const web::TWemRecord &row : rows) {
        if (!web::rowFilled(row.Nick))
            continue;
        TFormServerRead::Row r;
        r.place = row.Place;
        r.country = flags ? row.Country : std::string();
        r.sex = row.R07;
        r.nick = utf8(row.Nick);
        r.where = utf8(flags ? row.City : web::cityWithCountry(row));
        r.value = QString::number(row.Score);
        shown.push_back(std::move(r));
    }
    return shown;
}

} // namespace

bool TFormServerRead::windowPicturesAvailable(const QString &programFolder) {
    const QString name = QStringLiteral("GFormServerRead");
    const std::optional<GraphicsLibrary> library = GraphicsLibrary::load(programFolder, {name});
    return library && library->has(name);
}

TFormServerRead::TFormServerRead(const AuxContext &context, WorldTopTenSources sources,
                                 web::WorldTopTenState &state, QWidget *parent,
                                 WorldWindowHooks hooks)
    : TWemAuxForm(context, worldLook(), {}, parent), sources_(std::move(sources)), state_(state),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("FormServerRead"));
    setWindowTitle(word(WordEntry::WorldTopTenCaption));
    setFixedSize(WindowWidth, WindowHeight);
    centreHeadingBand();
    classic_ = !windowPicturesAvailable(this->context().folder);

    const int top = contentTop();
    if (classic_)
        buildClassicChoices(top);
    else
        buildCategoryButtons(top);
    buildCriterionChoices(top + 62);

    const QFont buttonFont = settingsFont(settings(), FontKind::Large, 16, true);
    passport_ = makeButton(word(WordEntry::WorldPassport), buttonFont);
    passport_->setObjectName(QStringLiteral("ButtonPassport"));
    passport_->setGeometry(30, WindowHeight - 46, 150, 32);
    connect(passport_, &QPushButton::clicked, this, [this] { OpenPassport(); });
    refresh_ = makeButton(word(WordEntry::ChatRefresh), buttonFont);
    refresh_->setObjectName(QStringLiteral("ButtonRefresh"));
    refresh_->setGeometry((WindowWidth - 150) / 2, WindowHeight - 46, 150, 32);
    refresh_->hide();
    connect(refresh_, &QPushButton::clicked, this, [this] { Reload(); });
    ok_ = makeButton(word(WordEntry::OptOk), buttonFont);
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    ok_->setGeometry(WindowWidth - 180, WindowHeight - 46, 150, 32);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { closeWithSalute(); });

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(RefreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, refresh_, &QWidget::show);

    if (classic_)
        ShowClassicChoice(state_.classicChoice);
    else
        ShowCategory(state_.category);
}

int TFormServerRead::contentTop() const {
    if (const THeadingBand *band = headingBand())
        return band->y() + band->height() + 6;
    return 80;
}

TWemCardsButton *TFormServerRead::categoryButton(int category) const {
    return category >= 1 && category <= web::kWorldCategoryCount
               ? categoryButtons_[size_t(category - 1)]
               : nullptr;
}

void TFormServerRead::buildCategoryButtons(int y) {
    const QFont font = settingsFont(settings(), FontKind::Large, 16, true);
    const int width = 60;
    const int gap = 8;
    const int left =
        (WindowWidth - web::kWorldCategoryCount * width - (web::kWorldCategoryCount - 1) * gap) / 2;
    for (int n = 1; n <= web::kWorldCategoryCount; ++n) {
        TWemCardsButton *button = makeButton(QString::number(n), font);
        const QString title = utf8(web::categoryInfo(web::categoryOf(n)).title);
        button->setObjectName(QStringLiteral("ButtonCategory%1").arg(n));
        button->setAccessibleName(title);
        button->setToolTip(title);
        button->setGeometry(left + (n - 1) * (width + gap), y, width, 28);
        connect(button, &QPushButton::clicked, this,
                [this, n] { ShowCategory(web::categoryOf(n)); });
        categoryButtons_[size_t(n - 1)] = button;
    }
}

void TFormServerRead::buildClassicChoices(int y) {
    const WordEntry names[] = {WordEntry::WorldClassicLocal, WordEntry::WorldClassicMobile,
                               WordEntry::WorldClassicAccount};
    const QFont font = settingsFont(settings(), FontKind::Small, 15, true);
    const int width = (WindowWidth - 40) / 3;
    for (int n = 1; n <= 3; ++n) {
        auto *choice = new QRadioButton(word(names[n - 1]), this);
        choice->setObjectName(QStringLiteral("RadioClassic%1").arg(n));
        choice->setFont(font);
        QPalette colours = choice->palette();
        colours.setColor(QPalette::WindowText, textColour(QColor(0, 0, 128)));
        choice->setPalette(colours);
        choice->setGeometry(20 + (n - 1) * width, y, width, 28);
        connect(choice, &QRadioButton::clicked, this, [this, n] { ShowClassicChoice(n); });
        classicChoices_[size_t(n - 1)] = choice;
    }
}

void TFormServerRead::buildCriterionChoices(int y) {
    const WordEntry names[] = {WordEntry::TourTopScore, WordEntry::TourTopRating,
                               WordEntry::TourTopGames};
    const char criteria[] = {'s', 'r', 'k'};
    const QFont font = settingsFont(settings(), FontKind::Small, 14, true);
    for (int n = 0; n < 3; ++n) {
        auto *choice = new QRadioButton(word(names[n]), this);
        choice->setObjectName(QStringLiteral("RadioCriterion%1").arg(n + 1));
        choice->setFont(font);
        QPalette colours = choice->palette();
        colours.setColor(QPalette::WindowText, textColour(QColor(0, 0, 128)));
        choice->setPalette(colours);
        choice->setGeometry(110 + n * 140, y, 130, 24);
        const char criterion = criteria[n];
        connect(choice, &QRadioButton::clicked, this,
                [this, criterion] { SetCriterion(criterion); });
        criterionChoices_[size_t(n)] = choice;
    }
}

void TFormServerRead::showCriterionChoices() {
    const bool shown = !classic_ && state_.category == web::WorldCategory::Tournament;
    const char criteria[] = {'s', 'r', 'k'};
    for (int n = 0; n < 3; ++n) {
        criterionChoices_[size_t(n)]->setVisible(shown);
        criterionChoices_[size_t(n)]->setChecked(state_.criterion == criteria[n]);
    }
}

void TFormServerRead::ShowCategory(web::WorldCategory category) {
    state_.category = web::categoryOf(static_cast<int>(category));
    for (int n = 1; n <= web::kWorldCategoryCount; ++n)
        if (TWemCardsButton *button = categoryButton(n))
            button->setDown(n == static_cast<int>(state_.category));
    load();
}

void TFormServerRead::ShowClassicChoice(int choice) {
    state_.classicChoice = choice >= 1 && choice <= 3 ? choice : 1;
    classicChoices_[size_t(state_.classicChoice - 1)]->setChecked(true);
    state_.category = web::classicChoiceCategory(state_.classicChoice);
    load();
}

void TFormServerRead::SetCriterion(char criterion) {
    state_.criterion = criterion;
    load();
}

void TFormServerRead::Reload() {
    refresh_->hide();
    load();
}

void TFormServerRead::OpenPassport() {
    playSound(kSoundWindowOpens);
    TFormServerInfo window(context(), this);
    hooks_.runWindow(window);
    load();
}

void TFormServerRead::load() {
    top_ = {};
    own_ = {};
    gameCount_ = -1;
    countFailed_ = false;
    const web::CategoryInfo &info = web::categoryInfo(state_.category);
    switch (state_.category) {
    case web::WorldCategory::AccountRating:
        readAccountTopTen();
        break;
    case web::WorldCategory::AccountScore:
    case web::WorldCategory::WindowsScore:
    case web::WorldCategory::AndroidScore:
        readWorldList(info);
        readOwnRows(info);
        break;
    case web::WorldCategory::Tournament:
        readTournament();
        break;
    case web::WorldCategory::LocalClub:
        readClub(false);
        break;
    case web::WorldCategory::NetClub:
        readClub(true);
        break;
    }
    afterLoad();
}

// The shown rows as text for screen readers (the rows themselves are drawn).
QString TFormServerRead::rowsText() const {
    QStringList lines{utf8(web::categoryInfo(state_.category).title)};
    auto add = [&lines](const Part &part) {
        if (part.failed)
            lines << NoConnect;
        for (const Row &row : part.rows)
            lines << QStringLiteral("%1 %2 %3 %4")
                         .arg(QString::fromStdString(web::placeText(row.place)), row.nick,
                              row.where, row.value)
                         .simplified();
    };
    add(top_);
    if (web::categoryInfo(state_.category).listId != 0) {
        lines << word(WordEntry::WorldNumberOfGames) + QStringLiteral(": ") +
                     (countFailed_ ? NoConnect : QString::number(std::max(gameCount_, 0)));
        add(own_);
    }
    return lines.join(QLatin1Char('\n'));
}

void TFormServerRead::afterLoad() {
    setAccessibleDescription(rowsText());
    showCriterionChoices();
    refresh_->hide();
    refreshTimer_->start();
    update();
}

void TFormServerRead::readAccountTopTen() {
    if (!sources_.web) {
        top_.failed = true;
        return;
    }
    const web::Reply<web::TopTenRows> reply = sources_.web->ReadTopTen();
    top_.failed = !reply.ok;
    int place = 0;
    for (const web::TWemTop10 &row : reply.value) {
        ++place;
        if (!web::rowFilled(row.Nick))
            continue;
        Row r;
        r.place = place;
        r.country = row.Country;
        r.sex = std::string(1, row.Sex);
        r.nick = utf8(row.Nick);
        r.where = utf8(row.City);
        r.value = QString::fromStdString(web::ratingText(row.Rating));
        top_.rows.push_back(std::move(r));
    }
}

void TFormServerRead::readWorldList(const web::CategoryInfo &info) {
    if (!sources_.web) {
        top_.failed = countFailed_ = true;
        return;
    }
    const web::Reply<web::WorldRows> rows = sources_.web->ReadWorldList(info.listId);
    top_.failed = !rows.ok;
    top_.rows = worldRows(rows.value, info.flags);
    const web::Reply<int> count = sources_.web->ReadWorldCount(info.listId);
    countFailed_ = !count.ok;
    gameCount_ = count.ok ? count.value : -1;
}

void TFormServerRead::readOwnRows(const web::CategoryInfo &info) {
    std::string nick;
    std::string city;
    if (info.ownRows == web::OwnRowsOf::Account) {
        if (!sources_.account || !sources_.account->isLoggedIn())
            return;
        nick = sources_.account->user.Nick;
        city = sources_.account->user.City;
    } else {
        nick = settings().nick;
        city = settings().city;
    }
    if (!sources_.web) {
        own_.failed = true;
        return;
    }
    const web::Reply<web::WorldRows> rows = sources_.web->ReadOwnResults(info.listId, nick, city);
    own_.failed = !rows.ok;
    own_.rows = worldRows(rows.value, false);
    for (Row &row : own_.rows) {
        row.where.clear();
        row.sex.clear();
    }
    if (own_.rows.size() > size_t(OwnRowCount))
        own_.rows.resize(size_t(OwnRowCount));
}

void TFormServerRead::readTournament() {
    if (!sources_.tournamentTopTen) {
        top_.failed = true;
        return;
    }
    const web::Reply<web::WorldRows> rows = sources_.tournamentTopTen(state_.criterion);
    top_.failed = !rows.ok;
    top_.rows = worldRows(rows.value, true);
    int place = 0;
    for (Row &row : top_.rows)
        if (row.place == 0)
            row.place = ++place;
}

void TFormServerRead::readClub(bool networkClub) {
    const std::filesystem::path path = std::filesystem::path(context().folder.toStdString()) /
                                       (networkClub ? NetworkClubFileName : LocalClubFileName);
    const std::optional<ClubFile> club = readClubFile(path);
    if (!club) {
        top_.failed = true;
        return;
    }
    for (int place = 1; place <= ClubTopTenSize; ++place) {
        const TopTenEntry entry = club->topTen(place);
        const QString name = QString::fromStdString(entry.name).trimmed();
        if (name.isEmpty())
            continue;
        Row r;
        r.place = place;
        r.nick = name;
        r.value =
            entry.score
                ? QString::number(*entry.score)
                : QString::fromStdString(club->topTenLineText(place)).mid(ClubNameLength).trimmed();
        top_.rows.push_back(std::move(r));
    }
}

void TFormServerRead::paintRows(QPainter &painter, const Part &part, QRect area, int rowHeight,
                                bool flags, bool withSex) const {
    if (part.failed) {
        painter.drawText(area.adjusted(0, 0, 0, -area.height() + rowHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter, NoConnect);
        return;
    }
    int y = area.top();
    for (const Row &row : part.rows) {
        if (y + rowHeight > area.bottom() + 1)
            break;
        const QRect line(0, y, WindowWidth, rowHeight);
        painter.drawText(QRect(PlaceLeft, y, FlagLeft - PlaceLeft - 4, rowHeight),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(web::placeText(row.place)));
        if (flags && !row.country.empty())
            DrawFlag(row.country, painter, FlagLeft, y + (rowHeight - kFlagHeight) / 2);
        if (withSex && !row.sex.empty())
            DrawSex(row.sex, painter, SexLeft, y + (rowHeight - kSexPictureSize) / 2);
        const int nickLeft = withSex ? NickLeft : FlagLeft;
        const int whereLeft = row.where.isEmpty() ? ValueRight : WhereLeft;
        painter.drawText(QRect(nickLeft, y, whereLeft - nickLeft - 6, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, row.nick);
        if (!row.where.isEmpty())
            painter.drawText(QRect(WhereLeft, y, ValueRight - 90 - WhereLeft, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, row.where);
        painter.drawText(QRect(ValueRight - 90, y, 90, rowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += line.height();
    }
}

void TFormServerRead::paintEvent(QPaintEvent *event) {
    TWemAuxForm::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const web::CategoryInfo &info = web::categoryInfo(state_.category);
    const bool club = state_.category == web::WorldCategory::LocalClub ||
                      state_.category == web::WorldCategory::NetClub;
    const int top = contentTop();

    painter.setFont(fitToWidth(settingsFont(settings(), FontKind::Small, 20, true),
                               utf8(info.title), WindowWidth - 40));
    painter.setPen(textColour(QColor(128, 0, 0)));
    painter.drawText(QRect(0, top + 32, WindowWidth, 28), Qt::AlignCenter, utf8(info.title));

    const int rowsTop = top + 90;
    painter.setFont(settingsFont(settings(), FontKind::Small, 16, false));
    painter.setPen(textColour(QColor(0, 0, 128)));
    paintRows(painter, top_, QRect(0, rowsTop, WindowWidth, 10 * RowHeight), RowHeight, info.flags,
              !club);

    if (info.listId == 0)
        return;
    int y = rowsTop + 10 * RowHeight + 4;
    painter.setFont(settingsFont(settings(), FontKind::Small, 15, true));
    painter.setPen(textColour(QColor(128, 0, 0)));
    painter.drawText(QRect(PlaceLeft, y, WindowWidth - 2 * PlaceLeft, 22),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     word(WordEntry::WorldNumberOfGames) + QStringLiteral(": ") +
                         (countFailed_ ? NoConnect : QString::number(std::max(gameCount_, 0))));
    y += 24;
    painter.setFont(settingsFont(settings(), FontKind::Small, 14, false));
    painter.setPen(textColour(QColor(0, 0, 128)));
    paintRows(painter, own_, QRect(0, y, WindowWidth, OwnRowCount * OwnRowHeight), OwnRowHeight,
              false, false);
}

} // namespace quarn
