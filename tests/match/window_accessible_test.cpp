// A hand played through the accessibility tree only, as a screen-reader user
// or a test robot plays it: the command button and the bottom hand's cards
// are found by role and name and pressed by their default action; the names
// of the table's controls and the announcements follow the game.

#include "WindowFixture.h"
#include "match/TableAnnouncer.h"
#include "match/TableNarration.h"

#include <QAccessible>
#include <functional>

namespace quarn::testing {
namespace {

// The first interface under root (depth first) that the test accepts.
QAccessibleInterface *findInTree(QAccessibleInterface *root,
                                 const std::function<bool(QAccessibleInterface *)> &test) {
    if (!root)
        return nullptr;
    if (test(root))
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *found = findInTree(root->child(i), test))
            return found;
    return nullptr;
}

void press(QAccessibleInterface *control) {
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->actionInterface(), nullptr);
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

class AccessibleTableTest : public WindowTest {
  protected:
    QAccessibleInterface *window() { return QAccessible::queryAccessibleInterface(form_.get()); }

    // A visible, enabled push button with this name.
    QAccessibleInterface *button(const QString &name) {
        return findInTree(window(), [&](QAccessibleInterface *i) {
            return i->role() == QAccessible::Button && i->text(QAccessible::Name) == name &&
                   !i->state().invisible && !i->state().disabled && i->object() != nullptr;
        });
    }

    // The bottom hand: the list whose children are the player's cards.
    QAccessibleInterface *hand() {
        return findInTree(window(), [](QAccessibleInterface *i) {
            return i->role() == QAccessible::List && i->object() &&
                   i->object()->objectName() == QStringLiteral("ImageCards4");
        });
    }

    QString controlName(const char *objectName) {
        return QAccessible::queryAccessibleInterface(control(objectName))->text(QAccessible::Name);
    }

    TableAnnouncer *announcer() { return control<TableAnnouncer>("TableAnnouncer"); }
};

TEST_F(AccessibleTableTest, AWholeHandIsPlayedThroughTheTreeAlone) {
    setLanguage(English);
    writeSettings(quickSettings());
    openToMenu();
    logInNewPlayer(QStringLiteral("Ann"));
    ASSERT_TRUE(form_->game().InGame);

    QAccessibleInterface *cards = hand();
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(cards->childCount(), 9);
    for (int i = 0; i < cards->childCount(); ++i) {
        const TStr2 card = form_->game().Hands[4][i + 1].card;
        EXPECT_EQ(cards->child(i)->text(QAccessible::Name).toStdString(), cardName(card));
        EXPECT_TRUE(cards->child(i)->state().disabled) << "nothing is played before the start";
    }
    EXPECT_NE(announcer()->lastAnnouncement().indexOf(QStringLiteral("nine of diamonds")), -1);

    // A button's press action clicks it on the next turn of the event loop.
    press(button(QStringLiteral("To Begin")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->game().Phase == kPhasePlaying; }));

    int playerMoves = 0;
    for (int step = 0; step < 500 && form_->game().ToMove != kHandEnded; ++step) {
        const GameState &g = form_->game();
        if (g.ToMove != 4) {
            form_->Tick(); // the computer seats' clock
            continue;
        }
        const int before = g.CardCount[4];
        QAccessibleInterface *playable = nullptr;
        for (int i = 0; i < cards->childCount() && !playable; ++i)
            if (!cards->child(i)->state().disabled)
                playable = cards->child(i);
        if (!playable) {
            press(button(QStringLiteral("Pass")));
            ASSERT_TRUE(QTest::qWaitFor([&] { return form_->game().ToMove != 4; }));
            EXPECT_EQ(announcer()->handAccount().filter(QStringLiteral("You pass")).size() > 0,
                      true);
        } else {
            const QString name = playable->text(QAccessible::Name);
            press(playable);
            EXPECT_EQ(form_->game().CardCount[4], before - 1) << name.toStdString();
            EXPECT_TRUE(announcer()->handAccount().contains(QStringLiteral("You play ") + name));
        }
        ++playerMoves;
        EXPECT_EQ(cards->childCount(), form_->game().CardCount[4]);
    }
    ASSERT_EQ(form_->game().ToMove, kHandEnded);
    EXPECT_GT(playerMoves, 0);
    EXPECT_NE(announcer()->lastAnnouncement().indexOf(QStringLiteral("wins the hand")), -1);

    // The state of the table reads out, and the settlement is announced.
    EXPECT_TRUE(controlName("ImageSay1").startsWith(QStringLiteral("PC (left): ")));
    EXPECT_EQ(controlName("ImageKon").toStdString(), bankText(form_->game()));
    EXPECT_EQ(controlName("ImageStol").toStdString(), tableText(form_->game().Table));
    press(button(QStringLiteral("Total of game")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form_->game().ToMove == kHandSettled; }));
    EXPECT_NE(announcer()->lastAnnouncement().indexOf(QStringLiteral("takes the bank")), -1);
    EXPECT_EQ(scoreSum(), 0);
}

TEST_F(AccessibleTableTest, AnUnplayableCardDoesNothingWhenPressed) {
    setLanguage(English);
    writeSettings(quickSettings());
    openToMenu();
    logInNewPlayer(QStringLiteral("Ann"));
    QAccessibleInterface *cards = hand();
    ASSERT_NE(cards, nullptr);
    const GameState before = form_->game();
    for (int i = 0; i < cards->childCount(); ++i)
        press(cards->child(i)); // before "To Begin" no card may be played
    EXPECT_EQ(form_->game(), before);
}

} // namespace
} // namespace quarn::testing
