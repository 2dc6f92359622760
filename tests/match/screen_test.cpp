#include <gtest/gtest.h>

#include "match/Screen.h"

namespace quarn {
namespace {

struct ScreenCase {
    Screen from;
    ScreenEvent event;
    Screen to;
};

TEST(Screen, EveryEventOnEveryScreen) {
    const ScreenCase cases[] = {
        {Screen::Title, ScreenEvent::TitleLeft, Screen::Menu},
        {Screen::Title, ScreenEvent::MatchChosen, Screen::Title},
        {Screen::Title, ScreenEvent::MatchLeft, Screen::Title},
        {Screen::Menu, ScreenEvent::TitleLeft, Screen::Menu},
        {Screen::Menu, ScreenEvent::MatchChosen, Screen::Table},
        // A network game interrupted while the menu already shows.
        {Screen::Menu, ScreenEvent::MatchLeft, Screen::Menu},
        {Screen::Table, ScreenEvent::TitleLeft, Screen::Table},
        {Screen::Table, ScreenEvent::MatchChosen, Screen::Table},
        {Screen::Table, ScreenEvent::MatchLeft, Screen::Menu},
    };
    for (const ScreenCase &c : cases)
        EXPECT_EQ(nextScreen(c.from, c.event), c.to) << int(c.from) << " " << int(c.event);
}

TEST(Screen, TheTitleIsNeverShownAgain) {
    for (const Screen from : {Screen::Menu, Screen::Table})
        for (const ScreenEvent event :
             {ScreenEvent::TitleLeft, ScreenEvent::MatchChosen, ScreenEvent::MatchLeft})
            EXPECT_NE(nextScreen(from, event), Screen::Title);
}

} // namespace
} // namespace quarn
