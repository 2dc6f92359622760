// The chat's guard through real requests: the rate limit per nick and per
// address, the operator's ban list and word list, the text limit.
#include "ServiceFixture.h"

#include "store/Cp1251.h"

#include <QFile>
#include <QThread>

#include <curl/curl.h>

using namespace servertest;

namespace {

std::string chatPost(const std::string &nick, const std::string &text) {
    return "gid=100&nick=" + nick +
           "&city=Oslo&country=1-035&score=1&R7=M&R8=5.7f&R9=10:15_10.12.2026_Quarn&R10=" + text +
           "*";
}

size_t collect(char *data, size_t size, size_t count, void *out) {
    static_cast<std::string *>(out)->append(data, size * count);
    return size * count;
}

// A chat post sent from another loopback address (127.0.0.2 ...), as a
// second machine would.
HttpResult postFrom(const std::string &source, const std::string &url, const std::string &body) {
    HttpResult result;
    CURL *curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, (url + "/world.php").c_str());
    curl_easy_setopt(curl, CURLOPT_INTERFACE, source.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "KorbelWintaph");
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.body);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
    if (curl_easy_perform(curl) == CURLE_OK)
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_cleanup(curl);
    return result;
}

class ChatGuard : public ServiceTest {
  protected:
    HttpResult post(const std::string &nick, const std::string &text) {
        return world(chatPost(nick, text));
    }
    qint64 stored() {
        return db().number(QStringLiteral("SELECT COUNT(*) FROM world_results WHERE gid = 100"));
    }
    void writeDataFile(const char *name, const QByteArray &text) {
        QFile file(server->dataDir() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    std::string newestText() {
        const std::string list = world("gid=100").body;
        const size_t end = list.find('*');
        const size_t start = list.rfind(' ', end);
        return list.substr(start + 1, end - start - 1);
    }
};
INSTANTIATE_ON_BOTH_BACKENDS(ChatGuard);

// A refusal must read as a failed send to the program: an error status and
// no number after the last "$".
void expectRefused(const HttpResult &reply, long status, const std::string &why) {
    EXPECT_EQ(reply.status, status) << reply.body;
    EXPECT_NE(reply.body.find(why), std::string::npos) << reply.body;
    EXPECT_FALSE(holdsStatusWord(reply.body)) << reply.body;
}

TEST_P(ChatGuard, ANickPostsOneMessageAtATimeWhereverItComesFrom) {
    EXPECT_EQ(post("Ann", "Hello").body, "$1$");
    expectRefused(post("Ann", "Again"), 429, "one chat message at a time");
    // The nick's own limit, not the address's: from another address as well.
    expectRefused(postFrom("127.0.0.2", server->baseUrl(), chatPost("ann", "Hi")), 429,
                  "one chat message at a time");
    // Another nick from the same address goes through.
    EXPECT_EQ(post("Bob", "Hi").status, 200);
    EXPECT_EQ(stored(), 2);
}

TEST_P(ChatGuard, OneAddressPostsAtMostSixMessagesAMinute) {
    for (int i = 1; i <= 6; ++i)
        ASSERT_EQ(post("P" + std::to_string(i), "m").status, 200) << i;
    expectRefused(post("P7", "m"), 429, "from one address within a minute");
    // Another address is not held up by this one.
    EXPECT_EQ(postFrom("127.0.0.2", server->baseUrl(), chatPost("Q1", "m")).status, 200);
    EXPECT_EQ(stored(), 7);
}

TEST_P(ChatGuard, TheBanListRefusesNicksAndAddressesAndIsReadAgainWhenChanged) {
    writeDataFile("chat-bans.txt", "# spammers\nBadGuy\n127.0.0.3\n10.0.0.0/8  # a club's net\n");
    expectRefused(post("badguy", "Hi"), 403, "banned");
    expectRefused(postFrom("127.0.0.3", server->baseUrl(), chatPost("Nice", "Hi")), 403, "banned");
    EXPECT_EQ(post("Nice", "Hi").status, 200);
    EXPECT_EQ(stored(), 1);
    // The operator lifts the ban: no restart needed. (A different size marks
    // the change even within the file system's time resolution.)
    writeDataFile("chat-bans.txt", "# nobody\n");
    EXPECT_EQ(post("BadGuy", "Sorry").status, 200);
    EXPECT_EQ(stored(), 2);
}

TEST_P(ChatGuard, ListedWordsAreMaskedAsWholeWords) {
    writeDataFile("chat-words.txt", "# masked words\nidiot\nдурак\nspam*\n");
    struct Case {
        const char *nick;
        std::string sent, stored;
    };
    const Case cases[] = {
        {"A1", "You_IDIOT!", "You_-----!"},
        {"A2", "Ты_Дурак", "Ты_-----"},
        {"A3", "spammer,spam", "-------,----"},
        {"A4", "idiotic_idiots", "idiotic_idiots"}, // inside longer words: kept
    };
    for (const Case &c : cases) {
        // Raw bodies and replies travel in code page 1251.
        ASSERT_EQ(post(c.nick, quarn::utf8ToCp1251(c.sent).value()).status, 200) << c.sent;
        EXPECT_EQ(quarn::cp1251ToUtf8(newestText()), c.stored);
    }
}

TEST_P(ChatGuard, TheTextLimitIsKeptByTheServer) {
    const std::string eighty(80, 'a');
    EXPECT_EQ(post("Ann", eighty).status, 200);
    expectRefused(post("Bob", eighty + "a"), 400, "up to 80");
    expectRefused(post("Cid", "two words"), 400, "up to 80");
    EXPECT_EQ(stored(), 1);
}

} // namespace
