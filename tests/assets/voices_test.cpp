// The voice library WemCVoice3.dll: the name of every card in each of the
// ten languages, as short WAVE sounds, different from language to language.
#include "rules/Card.h"
#include "table/Sound.h"

#include <QFile>
#include <QResource>
#include <gtest/gtest.h>

#include <set>

namespace {

using namespace quarn;

const QString library = QStringLiteral(QUARN_DIST_DIR "/WemCVoice3.dll");
const QString root = QStringLiteral("/lib/WemCVoice3.dll");

class VoiceLibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registered = QResource::registerResource(library, root); }
    static void TearDownTestSuite()
    {
        if (registered)
            QResource::unregisterResource(library, root);
    }

    static QByteArray voice(const QString &name)
    {
        QFile file(QLatin1Char(':') + root + QStringLiteral("/wav/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline bool registered = false;
};

// All 36 cards, built from the rank and suit characters.
std::vector<TStr2> deck()
{
    std::vector<TStr2> cards;
    for (int suit = 1; suit <= kSuitCount; ++suit)
        for (int rank = 1; rank <= kRankCount; ++rank)
            cards.push_back(TStr2{kRankChars[rank], kSuitChars[suit]});
    return cards;
}

TEST_F(VoiceLibraryTest, HoldsEveryCardInEveryLanguageAsAShortWave)
{
    ASSERT_TRUE(registered) << library.toStdString();
    int count = 0;
    for (const TStr2 card : deck()) {
        for (int language = 0; language < 10; ++language) {
            const QString name = voiceResourceName(card, language);
            const QByteArray wave = voice(name);
            ASSERT_FALSE(wave.isEmpty()) << name.toStdString() << " missing";
            const WaveFormat format = parseWave(wave);
            ASSERT_TRUE(format.valid) << name.toStdString();
            EXPECT_EQ(format.channels, 1) << name.toStdString();
            EXPECT_EQ(format.bits, 16) << name.toStdString();
            EXPECT_EQ(format.dataOffset + format.dataSize, wave.size()) << name.toStdString();
            EXPECT_GE(format.milliseconds(), 300) << name.toStdString();
            EXPECT_LE(format.milliseconds(), 3000) << name.toStdString();
            ++count;
        }
    }
    EXPECT_EQ(count, 360);
}

TEST_F(VoiceLibraryTest, EachLanguageSaysTheCardItsOwnWay)
{
    ASSERT_TRUE(registered);
    for (const TStr2 card : deck()) {
        std::set<QByteArray> spoken;
        for (int language = 0; language < 10; ++language)
            spoken.insert(voice(voiceResourceName(card, language)));
        EXPECT_EQ(spoken.size(), 10u) << voiceResourceName(card, 0).toStdString();
    }
    // Within one language the cards differ too.
    for (int language = 0; language < 10; ++language) {
        std::set<QByteArray> spoken;
        for (const TStr2 card : deck())
            spoken.insert(voice(voiceResourceName(card, language)));
        EXPECT_EQ(spoken.size(), 36u) << "language " << language;
    }
}

} // namespace
