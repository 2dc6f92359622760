// quarn-voices: speaks the 360 card names (36 cards in ten languages) with
// espeak-ng at build time, for the voice library.
//
//   quarn-voices --out <folder> --prefix <prefix> --espeak <espeak-ng program>
//
// writes <folder>/wav/<suit><rank>Voice<language>.wav and <folder>/part.qrc.

#include "Arguments.h"
#include "Output.h"
#include "SpeechWave.h"
#include "VoiceNames.h"
#include "lang/CardNames.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <array>
#include <cstdio>
#include <vector>

namespace {

struct Job {
    int language;
    int suit;
    int rank;
};

// At most two speech processes at once: the build machine's cores are shared.
constexpr int kParallel = 2;

void startSpeaking(QProcess &process, const QString &espeak, const Job &job) {
    process.start(
        espeak, {QStringLiteral("-v"), QString::fromLatin1(voiceLanguages[job.language].voice),
                 QStringLiteral("-s"), QStringLiteral("150"), QStringLiteral("--stdout"),
                 QString::fromStdString(quarn::spokenCardName(job.language, job.suit, job.rank))});
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString outFolder = optionValue(args, QStringLiteral("out"));
    const QString prefix = optionValue(args, QStringLiteral("prefix"), QStringLiteral("/"));
    const QString espeak = optionValue(args, QStringLiteral("espeak"), QStringLiteral("espeak-ng"));
    if (outFolder.isEmpty()) {
        std::fprintf(stderr,
                     "usage: quarn-voices --out <folder> --prefix <prefix> --espeak <program>\n");
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<Job> jobs;
    for (int language = 0; language < kVoiceLanguages; ++language)
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 9; ++rank)
                jobs.push_back({language, suit, rank});

    Output out(outFolder, QStringLiteral("part.qrc"), prefix);
    std::array<QProcess, kParallel> processes;
    qint64 totalBytes = 0;
    for (std::size_t first = 0; first < jobs.size(); first += kParallel) {
        const std::size_t count = std::min<std::size_t>(kParallel, jobs.size() - first);
        for (std::size_t i = 0; i < count; ++i)
            startSpeaking(processes[i], espeak, jobs[first + i]);
        for (std::size_t i = 0; i < count; ++i) {
            const Job &job = jobs[first + i];
            const QString name = voiceResourceName(job.language, job.suit, job.rank);
            QProcess &p = processes[i];
            if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit ||
                p.exitCode() != 0) {
                std::fprintf(stderr, "quarn-voices: espeak-ng (%s) failed for %s: %s\n",
                             qPrintable(espeak), qPrintable(name), qPrintable(p.errorString()));
                return 1;
            }
            const QByteArray wave = speechWave(p.readAllStandardOutput());
            if (wave.isEmpty()) {
                std::fprintf(stderr, "quarn-voices: espeak-ng gave no sound for %s\n",
                             qPrintable(name));
                return 1;
            }
            totalBytes += wave.size();
            out.addBytes(QStringLiteral("wav"), name, wave, QStringLiteral("wav"));
        }
    }
    if (out.failed() || !out.writeQrc()) {
        std::fprintf(stderr, "quarn-voices: writing the voices failed\n");
        return 1;
    }
    std::printf("quarn-voices: %d card names, %lld bytes, %.1f s\n", out.count(),
                static_cast<long long>(totalBytes), double(clock.elapsed()) / 1000.0);
    return 0;
}
