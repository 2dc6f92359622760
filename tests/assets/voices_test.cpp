// The voice library WemCVoice3.dll: the name of every card in each of the
// ten languages, as short WAVE sounds, different from language to language.
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
    static void TearDownTestSuite() {
        if (registered)
            QResource::unregisterResource(library, root);
    }

    static QByteArray voice(const QString &name) {
        QFile file(QLatin1Char(':') + root + QStringLiteral("/wav/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline bool registered = false;
};

const char *const suits[] = {"Ch", "Bu", "Kr", "Pi"};
const char *const ranks[] = {"06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const char *const languages[] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                 "Chi", "Ita", "Cze", "Jap", "Kor"};

// The 36 cards' name stems: suit + rank ("Pi5A").
std::vector<QString> cardStems() {
    std::vector<QString> stems;
    for (const char *suit : suits)
        for (const char *rank : ranks)
            stems.push_back(QLatin1String(suit) + QLatin1String(rank));
    return stems;
}

QString voiceName(const QString &stem, const char *language) {
    return stem + QStringLiteral("Voice") + QLatin1String(language);
}

TEST_F(VoiceLibraryTest, HoldsEveryCardInEveryLanguageAsAShortWave) {
    ASSERT_TRUE(registered) << library.toStdString();
    int count = 0;
    for (const QString &stem : cardStems()) {
        for (const char *language : languages) {
            const QString name = voiceName(stem, language);
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

TEST_F(VoiceLibraryTest, EachLanguageSaysTheCardItsOwnWay) {
    ASSERT_TRUE(registered);
    for (const QString &stem : cardStems()) {
        std::set<QByteArray> spoken;
        for (const char *language : languages)
            spoken.insert(voice(voiceName(stem, language)));
        EXPECT_EQ(spoken.size(), 10u) << stem.toStdString();
    }
    // Within one language the cards differ too.
    for (const char *language : languages) {
        std::set<QByteArray> spoken;
        for (const QString &stem : cardStems())
            spoken.insert(voice(voiceName(stem, language)));
        EXPECT_EQ(spoken.size(), 36u) << language;
    }
}

} // namespace
