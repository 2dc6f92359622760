// The hand's accessible cards, the table's sentences and the status line,
// with a stand-in hand that records what was pressed.

#include "lang/CardNames.h"
#include "lang/Language.h"
#include "match/AccessibleHand.h"
#include "match/TableAnnouncer.h"
#include "match/TableNarration.h"
#include "rules/Match.h"
#include "rules/Moves.h"

#include <QAccessible>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace quarn {
namespace {

class FakeHand : public HandAccess {
  public:
    std::vector<QString> names{QStringLiteral("six of hearts"), QStringLiteral("nine of diamonds"),
                               QStringLiteral("ace of spades")};
    std::vector<bool> playable{false, true, false};
    std::vector<int> pressed;

    int handCardCount() const override { return int(names.size()); }
    QString handCardName(int slot) const override { return names[slot - 1]; }
    bool handCardPlayable(int slot) const override { return playable[slot - 1]; }
    QRect handCardRect(int slot) const override { return QRect((slot - 1) * 20, 0, 20, 40); }
    void pressHandCard(int slot) override { pressed.push_back(slot); }
};

class AccessibleHandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(200, 100);
        hand = new QWidget(&window);
        hand->setObjectName(QStringLiteral("ImageCards4"));
        hand->setGeometry(10, 50, 100, 40);
        makeHandAccessible(hand, &fake);
        window.show();
    }
    QAccessibleInterface *handInterface() { return QAccessible::queryAccessibleInterface(hand); }

    FakeHand fake;
    QWidget window;
    QWidget *hand = nullptr;
};

TEST_F(AccessibleHandTest, EveryCardIsAButtonNamedAndEnabledByPlayability) {
    QAccessibleInterface *list = handInterface();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface *card = list->child(i);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->role(), QAccessible::Button);
        EXPECT_EQ(card->text(QAccessible::Name), fake.names[i]);
        EXPECT_EQ(card->state().disabled, !fake.playable[i]) << i;
        EXPECT_EQ(card->parent(), list);
        EXPECT_EQ(list->indexOfChild(card), i);
    }
}

TEST_F(AccessibleHandTest, PressPlaysOnlyAPlayableCard) {
    QAccessibleInterface *list = handInterface();
    for (int i = 0; i < 3; ++i) {
        QAccessibleActionInterface *action = list->child(i)->actionInterface();
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(fake.pressed, std::vector<int>{2});
}

TEST_F(AccessibleHandTest, ChildrenFollowTheHandAsItShrinks) {
    QAccessibleInterface *list = handInterface();
    QAccessibleInterface *third = list->child(2);
    fake.names.erase(fake.names.begin());
    fake.playable.erase(fake.playable.begin());
    handAccessChanged(hand);
    EXPECT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("nine of diamonds"));
    EXPECT_FALSE(third->isValid());
    EXPECT_EQ(list->child(2), nullptr);
}

TEST_F(AccessibleHandTest, CardRectanglesLieOverTheCardsOnScreen) {
    QAccessibleInterface *list = handInterface();
    const QRect second = list->child(1)->rect();
    EXPECT_EQ(second.size(), QSize(20, 40));
    EXPECT_EQ(second.topLeft(), hand->mapToGlobal(QPoint(20, 0)));
    const QPoint inside = second.center();
    EXPECT_EQ(list->childAt(inside.x(), inside.y()), list->child(1));
}

TEST(TableAnnouncerTest, AnnouncesAsStatusLineAndKeepsTheHandsAccount) {
    QWidget window;
    TableAnnouncer announcer(&window);
    announcer.announce(QStringLiteral("PC (left) plays nine of diamonds"));
    announcer.announce(QString());
    announcer.announce(QStringLiteral("Your turn"));

    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(&announcer);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Your turn"));
    EXPECT_EQ(announcer.handAccount().size(), 2);
    EXPECT_TRUE(line->text(QAccessible::Description).contains(QStringLiteral("nine of diamonds")));
    announcer.clearHand();
    EXPECT_TRUE(announcer.handAccount().isEmpty());
}

// A hand in play: seat 1 opened with the nine of diamonds, seat 2 passed.
GameState handInPlay() {
    GameState game;
    DeckRandom random(46);
    NewHand(game, ShuffleDeck(random));
    game.SeatName = {"", "PC", "PC", "PC", "Anna"};
    StartHand(game);
    return game;
}

TEST(TableNarrationTest, SentencesInEnglishAndGerman) {
    const int before = language();
    GameState game = handInPlay();
    game.Bank = 8;
    game.Score[1] = -4;
    game.CardCount[1] = 7;
    TableRows table = GameState::EmptyTable();
    table[kDiamonds][kNine] = MakeCard(kDiamonds, kNine);
    table[kDiamonds][kTen] = MakeCard(kDiamonds, kTen);
    table[kHearts][kNine] = MakeCard(kHearts, kNine);

    struct Case {
        int language;
        std::string seat, bank, rows, card;
    };
    const Case cases[] = {
        {English, "PC (left): 7 cards, score -4", "Bank: 8 points",
         "hearts: nine – nine; diamonds: nine – ten", "queen of spades"},
        {German, "PC (links): 7 Karten, Punkte -4", "Bank: 8 Punkte",
         "Herz: Neun – Neun; Karo: Neun – Zehn", "Pik Dame"},
    };
    for (const Case &c : cases) {
        setLanguage(c.language);
        EXPECT_EQ(seatStateText(game, 1), c.seat);
        EXPECT_EQ(bankText(game), c.bank);
        EXPECT_EQ(tableText(table), c.rows);
        EXPECT_EQ(cardName(MakeCard(kSpades, kQueen)), c.card);
    }
    setLanguage(English);
    EXPECT_EQ(tableText(GameState::EmptyTable()), "No cards on the table");
    EXPECT_EQ(cardName(kEmptyCard), "");
    setLanguage(before);
}

TEST(TableNarrationTest, TurnsMovesAndTheEndOfAHand) {
    const int before = language();
    setLanguage(English);
    GameState game = handInPlay();
    EXPECT_NE(dealtText(game).find("nine of diamonds"), std::string::npos);
    EXPECT_EQ(playedText(game, 2, MakeCard(kHearts, kSix)), "PC (opposite) plays six of hearts");
    EXPECT_EQ(passedText(game, 3), "PC (right) passes and pays 2 into the bank");
    EXPECT_EQ(passedText(game, 4), "You pass and pay 2 into the bank");
    EXPECT_EQ(playedText(game, 4, MakeCard(kClubs, kTen)), "You play ten of clubs");

    game.ToMove = 4;
    game.MoveNumber = 2;
    EXPECT_EQ(turnText(game).rfind("Your turn", 0), 0u);
    game.ToMove = 1;
    EXPECT_EQ(turnText(game), "PC (left) to move");
    game.ToMove = kHandEnded;
    EXPECT_EQ(turnText(game), "");

    game.CardCount[3] = 0;
    game.CardCount[1] = 1;
    game.CardCount[2] = 2;
    const std::string end = handEndText(game);
    EXPECT_EQ(end.rfind("PC (right) has no cards left and wins the hand", 0), 0u) << end;
    EXPECT_NE(end.find("PC (left) keeps 1 cards"), std::string::npos) << end;
    EXPECT_EQ(settledText(game, 3, 14), "PC (right) takes the bank of 14 points");

    // Hands dealt masked hold stand-ins: only their counts are told, in
    // every language; the own cards are still named.
    game.HandsUnknown = true;
    game.CardCount[4] = 1;
    for (int lang : {int(English), int(Russian), int(Japanese)}) {
        setLanguage(lang);
        const std::string own = cardName(game.Hands[4][1].card);
        const std::string masked = handEndText(game);
        EXPECT_EQ(masked.find(cardName(game.Hands[1][1].card)), std::string::npos) << masked;
        EXPECT_EQ(masked.find(cardName(game.Hands[2][2].card)), std::string::npos) << masked;
        EXPECT_NE(masked.find(own), std::string::npos) << masked;
    }
    setLanguage(English);
    EXPECT_NE(handEndText(game).find("PC (left) keeps 1 cards. PC (opposite) keeps 2 cards."),
              std::string::npos)
        << handEndText(game);
    setLanguage(before);
}

TEST(CardNamesTest, RowNamesUseTheNominative) {
    EXPECT_EQ(suitName(Russian, kHearts), "черви");
    EXPECT_EQ(suitName(Czech, kSpades), "piky");
    EXPECT_EQ(rankName(Czech, kAce), "eso");
    EXPECT_EQ(rankName(English, 0), "");
    EXPECT_EQ(suitName(10, 1), "");
    EXPECT_EQ(spokenCardName(Czech, kDiamonds, kAce), "kárové eso");
    EXPECT_EQ(spokenCardName(Japanese, kHearts, kSix), "ハートのろく");
}

} // namespace
} // namespace quarn
