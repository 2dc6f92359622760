// Pictures of every tab of the options dialog in each design, written to
// shots/ beside the test for a look; each must show the window drawn.
#include "OptionsFixture.h"

#include <QDir>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

int distinctColours(const QImage &image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST(OptionsScreenshots, EveryTabInEveryDesign) {
    QDir().mkpath(QStringLiteral(QUARN_OPTIONS_SHOTS));
    const std::pair<int, const char *> designs[] = {
        {2, "aristocratic"}, {1, "concise"}, {3, "ribbons"}, {4, "purple"}};
    for (const auto &[design, name] : designs) {
        WindowFixture f;
        ASSERT_TRUE(makeOptionsLibrary(f.folder()));
        chooseDesign(f.settings, design);
        TFormOptions dialog(f.context(), nullptr, {1920, 1080});
        ASSERT_EQ(int(dialog.design()), design);
        dialog.show();
        for (int tab = 0; tab < dialog.tabs()->count(); ++tab) {
            dialog.tabs()->setCurrentIndex(tab);
            const QImage shot = dialog.grab().toImage();
            EXPECT_EQ(shot.size(), dialog.size());
            EXPECT_GT(distinctColours(shot), 8) << name << " tab " << tab;
            shot.save(QStringLiteral(QUARN_OPTIONS_SHOTS "/options-%1-%2.png")
                          .arg(QLatin1String(name))
                          .arg(tab));
        }
    }
}

} // namespace
} // namespace quarn
