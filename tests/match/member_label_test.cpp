// Member buttons of the menu: the label in both display modes and the cut
// that keeps a label within the button.
#include "QtPrint.h"
#include "match/MemberLabel.h"

#include <gtest/gtest.h>

using namespace quarn;

namespace {

const QString emptySlot =
    QString(37, QLatin1Char('#')) + QLatin1Char(' ') + QString(21, QLatin1Char('#'));

QString memberLine(const QString &name, const QString &rating, const QString &hands,
                   const QString &score) {
    return name.leftJustified(20) + rating.rightJustified(10) + hands.rightJustified(7) +
           QLatin1Char(' ') + score.rightJustified(6) + QStringLiteral("123456789012345");
}

struct LabelCase {
    const char *name;
    QString line;
    ClubMode mode;
    QString expected;
};

class MemberLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(MemberLabelTest, ShowsTheLine) {
    const LabelCase &c = GetParam();
    EXPECT_EQ(memberLabel(c.line, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MemberLabelTest,
    ::testing::Values(
        LabelCase{"ScoreModeShowsHandInCycle", memberLine("Anna", "1,500000", "47", "-12"),
                  ClubMode::Score, QStringLiteral("Anna                     17       -12")},
        LabelCase{"ScoreModeCompleteCycleShowsZero", memberLine("Boris", "0,250000", "60", "0"),
                  ClubMode::Score, QStringLiteral("Boris                     0         0")},
        LabelCase{"RatingModeRoundsToTwoDecimals", memberLine("Anna", "1,506000", "47", "-12"),
                  ClubMode::Rating, QStringLiteral("Anna                       47    1,51")},
        LabelCase{"RatingModeNegative", memberLine("Vera", "-3,000000", "4", "-12"),
                  ClubMode::Rating, QStringLiteral("Vera                        4   -3,00")},
        LabelCase{"EmptySlotScoreMode", emptySlot, ClubMode::Score,
                  QString(20, QLatin1Char('#')) + QStringLiteral("    ###    ######")},
        LabelCase{"EmptySlotRatingMode", emptySlot, ClubMode::Rating,
                  QString(20, QLatin1Char('#')) + QStringLiteral("  #######  ######")},
        LabelCase{"ShortLineDoesNotCrash", QStringLiteral("Short"), ClubMode::Score,
                  QStringLiteral("Short                   ###          ")}),
    [](const auto &info) { return std::string(info.param.name); });

// Each character 10 pixels wide.
int tenPerCharacter(const QString &text) {
    return int(text.size()) * 10;
}

struct FitCase {
    const char *name;
    QString label;
    int maxWidth;
    QString expected;
};

class FitLabelTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitLabelTest, CutsTheName) {
    const FitCase &c = GetParam();
    EXPECT_EQ(fitMemberLabel(c.label, c.maxWidth, tenPerCharacter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, FitLabelTest,
    ::testing::Values(
        FitCase{"FittingLabelUnchanged", QStringLiteral("Anna                    17     -12"), 340,
                QStringLiteral("Anna                    17     -12")},
        FitCase{"OnlyBlanksCutNoDots", QStringLiteral("Anna                    17     -12"), 300,
                QStringLiteral("Anna                17     -12")},
        FitCase{"LetterCutGetsDots", QStringLiteral("Alexandra Konstantin    17     -12"), 250,
                QStringLiteral("Alexandr...    17     -12")},
        FitCase{"HashesCutNoDots",
                QString(20, QLatin1Char('#')) + QStringLiteral("    ###    ######"), 300,
                QString(13, QLatin1Char('#')) + QStringLiteral("    ###    ######")},
        FitCase{"NothingFitsLeavesOnlyRest", QStringLiteral("Alexandra Konstantin 1"), 5,
                QStringLiteral("... 1")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
