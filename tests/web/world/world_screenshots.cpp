// world-screenshots FOLDER: the passport, the submission and the world top
// ten windows (its categories and its classic layout) in each window design
// and in English and Russian, filled from a wem-server on a temporary data
// folder, written as PNG pictures into FOLDER. The graphics library is taken
// from the built program folder; without it only the gray aristocratic
// design and the classic layout can be drawn.
#include "lang/Language.h"
#include "server/ServerHarness.h"
#include "store/ClubFile.h"
#include "web/WebServices.h"
#include "web/WorldLists.h"
#include "web/view/TFormServerInfo.h"
#include "web/view/TFormServerRead.h"
#include "web/view/TFormServerWrite.h"
#include "web/world/RenoAccount.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <filesystem>

namespace {

using namespace quarn;

void settle() {
    for (int i = 0; i < 5; ++i)
        QTest::qWait(20);
}

void shoot(QWidget &window, const QString &file) {
    window.show();
    settle();
    window.grab().save(file);
    window.hide();
    std::printf("%s\n", qPrintable(file));
}

void seed(web::WebServices &web) {
    const web::TWemUser ann = testing_support::renoAccount();
    web.RegisterAccount(ann);
    web.LoginAccount("Ann", "secret1");
    web::TWemGame game;
    game.Kon = 30;
    game.Rating = 2.55;
    web.SaveGameResults("Ann", "secret1", game);
    web::TWemRecord account = web::localGameEntry({"Ann", "USA", "Reno", 'W'}, 77);
    account.GID = web::kAccountGamesList;
    web.SendWorldResult(account);
    const web::Passport players[] = {{"Snowman", "2-026", "Krasnodar", 'M'},
                                     {"Incognito", "1-001", "Moscow", 'M'},
                                     {"Lucia", "1-039", "Borgo", 'W'},
                                     {"Kofi", "6-021", "Accra", 'M'},
                                     {"Игрок", "1-001", "Новороссийск", 'M'}};
    int score = 90;
    for (const web::Passport &p : players)
        web.SendWorldResult(web::localGameEntry(p, score -= 13));
    web::TWemRecord mobile = web::localGameEntry({"Droid", "4-003", "Recife", 'W'}, 5);
    mobile.GID = web::kMobileGamesList;
    web.SendWorldResult(mobile);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: world-screenshots FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    QDir().mkpath(out);
    QTemporaryDir programDir;
    const QString folder = programDir.path() + QLatin1Char('/');
    const QString library = QStringLiteral(QUARN_DIST_DIR "/WemCGraph1.dll");
    const bool withLibrary = QFile::copy(library, folder + QStringLiteral("WemCGraph1.dll"));
    for (const char *club : {"Quarn.clb", "Quarn.net"})
        QFile::copy(QStringLiteral(QUARN_DIST_DIR "/") + QLatin1String(club),
                    folder + QLatin1String(club));

    servertest::RunningServer server;
    if (!server.ok()) {
        std::fprintf(stderr, "server: %s\n", qPrintable(server.error()));
        return 1;
    }
    web::WebServices web(web::Addresses::forServer(server.baseUrl()));
    seed(web);
    web::Account account;
    account.state = web::AccountState::LoggedIn;
    account.user.Nick = "Ann";
    account.user.City = "Reno";

    for (int language : {0, 1}) {
        setLanguage(language);
        for (int design = 1; design <= 4; ++design) {
            if (!withLibrary && design != 2)
                continue;
            Settings settings;
            settings.language = language;
            settings.purpleWindows = design == 4;
            settings.windowDesign = static_cast<WindowDesign>(design == 4 ? 2 : design);
            const AuxContext context{folder, &settings, nullptr, {}};
            const QString stem =
                out + QStringLiteral("%1-d%2-").arg(language ? "ru" : "en").arg(design);

            TFormServerInfo passport(context);
            shoot(passport, stem + QStringLiteral("passport.png"));

            TFormServerWrite write(context, web, 64, nullptr);
            shoot(write, stem + QStringLiteral("write.png"));
            write.Send();
            shoot(write, stem + QStringLiteral("write-sent.png"));

            web::WorldTopTenState state;
            WorldTopTenSources sources{&web, &account, {}};
            TFormServerRead read(context, sources, state, nullptr);
            if (read.classic()) {
                for (int choice = 1; choice <= 3; ++choice) {
                    read.ShowClassicChoice(choice);
                    shoot(read, stem + QStringLiteral("read-classic%1.png").arg(choice));
                }
                continue;
            }
            for (int category = 1; category <= web::kWorldCategoryCount; ++category) {
                read.ShowCategory(web::categoryOf(category));
                shoot(read, stem + QStringLiteral("read-c%1.png").arg(category));
            }
        }
    }
    // The classic layout and "No Connect": no library, the server stopped.
    QFile::remove(folder + QStringLiteral("WemCGraph1.dll"));
    server.stop();
    Settings settings;
    const AuxContext context{folder, &settings, nullptr, {}};
    web::WorldTopTenState state;
    TFormServerRead classic(context, {&web, &account, {}}, state, nullptr);
    shoot(classic, out + QStringLiteral("en-classic-noconnect.png"));
    return 0;
}
