// The menu of the main window: the club's members, the commands and the
// pictures that open the online windows.
#include "match/TForm1.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "match/MemberLabel.h"
#include "match/MenuCalendar.h"
#include "match/MenuHeadings.h"
#include "match/MenuIcons.h"
#include "net/lan/LanHost.h"

#include <QAction>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace quarn {

namespace {

// The club list stands between the two calendar pages (x 150..210 and
// 550..610 at the small size).
constexpr int MenuListLeft = 214;
constexpr int MenuListWidth = 332;
constexpr int MenuListFontPixels = 14;

// The font made smaller until a button's text fits its width (long
// translations such as "Лучшая десятка").
QFont fittedButtonFont(QFont font, const QString &text, int width) {
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

void TForm1::createMenuControls() {
    for (int line = 1; line <= 5; ++line) {
        memberButtons_[line] = makeButton(QStringLiteral("Button%1").arg(line), QString());
        connect(memberButtons_[line], &QPushButton::clicked, this,
                [this, line] { memberButtonClick(line); });
    }
    newPlayerButton_ = makeButton(QStringLiteral("Button6"), word(WordEntry::MainNewPlayer));
    connect(newPlayerButton_, &QPushButton::clicked, this, [this] { startMatchFor(kNewPlayer); });
    topTenButton_ = makeButton(QStringLiteral("Button9"), word(WordEntry::MainTopTen));
    connect(topTenButton_, &QPushButton::clicked, this, [this] { topTenClick(); });
    optionsButton_ = makeButton(QStringLiteral("Button10"), word(WordEntry::MainOptions));
    connect(optionsButton_, &QPushButton::clicked, this, [this] { windows_->showOptions(); });
    exitButton_ = makeButton(QStringLiteral("Button11"), word(WordEntry::MainExit));
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    historyButton_ = makeButton(QStringLiteral("BHistory"), word(WordEntry::MainHistory));
    connect(historyButton_, &QPushButton::clicked, this, [this] { windows_->showHistory(); });
    modeButton_ = makeButton(QStringLiteral("BMode"), word(WordEntry::MainMode));
    connect(modeButton_, &QPushButton::clicked, this, &TForm1::ButtonModeClick);

    // Names typed by players are shown as they are, never as markup.
    memberHeading_ = new QLabel(this);
    memberHeading_->setTextFormat(Qt::PlainText);
    // Centred like the member labels below it, so the columns meet.
    memberHeading_->setAlignment(Qt::AlignCenter);
    memberHeading_->setObjectName(QStringLiteral("Panel4"));
    memberHeading_->hide();
    for (int i = 0; i < 3; ++i) {
        topTenPanels_[i] = new QLabel(this);
        topTenPanels_[i]->setTextFormat(Qt::PlainText);
        topTenPanels_[i]->setObjectName(QStringLiteral("PanelTop%1").arg(i + 1));
        topTenPanels_[i]->hide();
    }
    // The two calendar pages, built whenever the menu is shown.
    new MenuCalendar(
        this, MenuCalendar::Host{folder_, [this] { return menuShown(); },
                                 [this] { return layout_.scaling; },
                                 [this](QRect area) { return canvas_->image().copy(area); }});
}

void TForm1::createOnlinePictures() {
    const struct {
        const char *name;
        WordEntry hint;
        std::function<void()> open;
    } pictures[] = {
        {"ImageAccount", WordEntry::AccHintLoggedOut,
         [this] {
             windows_->showAccount();
             buildMemberList();
         }},
        {"ImageTournament", WordEntry::MainTournamentHint,
         [this] {
             if (!openTournament() && !windows_->showTournament())
                 Ask::inform(this, word(WordEntry::TourLogInFirst));
         }},
        {"ImageStatistics", WordEntry::MainStatisticsHint, [this] { windows_->showStatistics(); }},
        {"ImageNews", WordEntry::ChatNewsHint, [this] { windows_->showNews(); }},
        {"ImageChat", WordEntry::ChatHint, [this] { windows_->showChat(); }},
        {"ImageRadio", WordEntry::MainRadio, [this] { windows_->showRadio(); }},
        {"ImageHomePage", WordEntry::MainHomePageHint, [this] { windows_->openHomePage(); }},
    };
    for (int i = 0; i < menuIconCount; ++i) {
        // Pictures, not owner-drawn buttons: a coin with its glyph and nothing else.
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(pictures[i].name));
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        button->setAccessibleName(word(pictures[i].hint));
        button->setToolTip(word(pictures[i].hint));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(
            QStringLiteral("QPushButton { border: none; background: transparent; }"));
        connect(button, &QPushButton::clicked, this, pictures[i].open);
        onlineButtons_[std::size_t(i)] = button;
    }
}

void TForm1::showMenu() {
    // Nothing in the menu moves with the tick: it rests until the next deal.
    tickTimer_->stop();
    if (lan::LanHost *host = lan_->Host())
        host->MenuTick(); // the host that lost a client during the match stops listening
    // The menu's own design, when the table's was shown.
    if (followScreenDesign())
        canvas_->clear();
    buildMemberList();
    placeMenuControls();
    showAnimations();
    for (int line = 1; line <= 5; ++line)
        memberButtons_[line]->show();
    for (QWidget *w :
         std::initializer_list<QWidget *>{newPlayerButton_, topTenButton_, optionsButton_,
                                          exitButton_, historyButton_, modeButton_, memberHeading_})
        w->show();
    for (QLabel *panel : topTenPanels_)
        panel->show();
    for (QPushButton *picture : onlineButtons_)
        picture->show();
    MenuCalendar::of(this)->build();
    menuShownAnew();
    update();
}

void TForm1::hideMenu() {
    screen_ = nextScreen(screen_, ScreenEvent::MatchChosen);
    radioIndicator_->hide();
    hideChatIndicators();
    followScreenDesign(); // the table's design; the canvas is cleared below
    hideGameControls();
    MenuCalendar::of(this)->hidePages();
    showAnimations();
    update();
}

void TForm1::placeMenuControls() {
    const Scaling &s = layout_.scaling;
    const QFont listFont = windowFont(FontKind::Special2, MenuListFontPixels);
    const QFont buttonFont = windowFont(FontKind::Large, 16);

    memberHeading_->setGeometry(s.place(MenuListLeft, 104, MenuListWidth, 26));
    memberHeading_->setFont(listFont);
    for (int line = 1; line <= 5; ++line) {
        memberButtons_[line]->setGeometry(
            s.place(MenuListLeft, 132 + 34 * (line - 1), MenuListWidth, 32));
        memberButtons_[line]->setFont(listFont);
    }
    newPlayerButton_->setGeometry(s.place(MenuListLeft, 306, MenuListWidth / 2 - 4, 32));
    modeButton_->setGeometry(
        s.place(MenuListLeft + MenuListWidth / 2 + 4, 306, MenuListWidth / 2 - 4, 32));
    for (int i = 0; i < 3; ++i) {
        topTenPanels_[i]->setGeometry(s.place(MenuListLeft, 346 + 22 * i, MenuListWidth, 22));
        topTenPanels_[i]->setFont(listFont);
    }
    QPushButton *row[] = {topTenButton_, optionsButton_, historyButton_, exitButton_};
    for (int i = 0; i < 4; ++i) {
        row[i]->setGeometry(s.place(180 + 102 * i, 428, 94, 32));
        row[i]->setFont(fittedButtonFont(buttonFont, row[i]->text(), row[i]->width() - s.Scale(8)));
    }
    for (QPushButton *b : {newPlayerButton_, modeButton_})
        b->setFont(fittedButtonFont(buttonFont, b->text(), b->width() - s.Scale(8)));
    // Four coins under the cards on the left, three under the chips on the right.
    const int icon = s.Scale(34);
    for (int i = 0; i < menuIconCount; ++i) {
        const QRect place =
            i < 4 ? s.place(22 + 37 * i, 404, 34, 34) : s.place(614 + 37 * (i - 4), 404, 34, 34);
        onlineButtons_[std::size_t(i)]->setGeometry(place.left(), place.top(), icon, icon);
        onlineButtons_[std::size_t(i)]->setIcon(QIcon(menuIcon(MenuIcon(i), icon * 2)));
        onlineButtons_[std::size_t(i)]->setIconSize(QSize(icon, icon));
    }
    showAccountState();
    drawMusicButtons();
    placeRadioIndicator();
    placeChatIndicators();
}

void TForm1::buildMemberList() {
    const ClubMode mode =
        settings_.clubDisplayMode == ClubDisplayMode::Rating ? ClubMode::Rating : ClubMode::Score;
    memberHeading_->setText(word(mode == ClubMode::Rating ? WordEntry::MainClubHeadingRating
                                                          : WordEntry::MainClubHeadingScore));
    const std::optional<ClubFile> club = readClubFile(clubPath());
    const QFontMetrics metrics(windowFont(FontKind::Special2, MenuListFontPixels));
    const auto widthOf = [&metrics](const QString &text) {
        return metrics.horizontalAdvance(text);
    };
    for (int line = 1; line <= 5; ++line) {
        const QString text = club ? QString::fromStdString(club->memberLineText(line)) : QString();
        const QString label = fitMemberLabel(memberLabel(text, mode),
                                             layout_.scaling.Scale(MemberLabelMaxWidth), widthOf);
        // A '&' in a name is a letter, not a keyboard shortcut.
        memberButtons_[line]->setText(
            QString(label).replace(QLatin1Char('&'), QStringLiteral("&&")));
        memberButtons_[line]->setAccessibleName(label.trimmed());
    }
    for (int place = 1; place <= 3; ++place) {
        QString text;
        if (club) {
            const TopTenEntry entry = club->topTen(place);
            text = QStringLiteral(" %1. ").arg(place) +
                   QString::fromStdString(entry.name).leftJustified(20) + QStringLiteral("  ") +
                   (entry.score ? QString::number(*entry.score) : QString()).rightJustified(6);
        }
        topTenPanels_[place - 1]->setText(text);
    }
}

void TForm1::ButtonModeClick() {
    Play(kSoundWindowOpens, false);
    settings_.clubDisplayMode = settings_.clubDisplayMode == ClubDisplayMode::Rating
                                    ? ClubDisplayMode::Score
                                    : ClubDisplayMode::Rating;
    buildMemberList();
}

void TForm1::memberButtonClick(int line) {
    if (line == 5 && account_.isLoggedIn() && !settings_.multiplayer) {
        startAccountMatch();
        return;
    }
    const std::optional<ClubFile> club = readClubFile(clubPath());
    if (!club || club->memberEmpty(line))
        return;
    startMatchFor(line);
}

void TForm1::enterMenuState() {
    for (QAction *action : {generalScoreAction_, exitToMenuAction_, changeNameAction_})
        action->setEnabled(false);
    hideTableControls();
    waitBanner_->hide();
    screen_ = nextScreen(screen_, ScreenEvent::MatchLeft);
    showMenu();
    applyMusicSetting(); // back in the menu the melody plays again
}

// The heading pictures above the club list, in the heading colour variant;
// the version and the build date under the command buttons.
void TForm1::paintMenuHeading(QPainter &painter) {
    const Scaling &s = layout_.scaling;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int variant = settings_.headingColour;
    const QImage &product = headings_.product(variant);
    if (!product.isNull())
        painter.drawImage(s.place(180, 16, 400, 56), product);
    const QImage &club = headings_.club(settings_.multiplayer, variant);
    if (!club.isNull())
        painter.drawImage(s.place(180, 68, 400, 26), club);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(s.Scale(12));
    painter.setFont(small);
    painter.setPen(QColor(235, 225, 190));
    painter.drawText(s.place(180, 466, 400, 18), Qt::AlignCenter,
                     QString::fromUtf8(versionText.data(), qsizetype(versionText.size())) +
                         QStringLiteral("   ") + qText(buildDate()));
}

QRect TForm1::menuHeadingArea() const {
    return layout_.scaling.place(180, 16, 400, 468);
}

// A click on a heading picture moves it to the next colour variant.
bool TForm1::headingClick(QPoint at) {
    const Scaling &s = layout_.scaling;
    if (!menuShown() ||
        !(s.place(180, 16, 400, 56).contains(at) || s.place(180, 68, 400, 26).contains(at)))
        return false;
    settings_.headingColour = MenuHeadings::nextVariant(settings_.headingColour);
    update(s.place(180, 16, 400, 78));
    return true;
}

} // namespace quarn
