// Start-up time, tick costs and memory of the game table, driven offscreen
// with the timers fired by hand. Prints one figure a line with its goal.
#include "cpu_cost.h"
#include "process_stats.h"

#include "game/frmTumblecrag.h"
#include "game/module1.h"
#include "toolkit/audio_device.h"
#include "toolkit/program.h"
#include "toolkit/testing.h"

#include <QApplication>
#include <array>
#include <chrono>
#include <cstdio>

namespace {

constexpr int TickSamples = 10000;
constexpr int RollsPerRound = 1000;

std::array<Timer *, 5> tumbleTimers(frmTumblecrag &table)
{
    return {table.timTimer1, table.timTimer2, table.timTimer3, table.timTimer4, table.timTimer5};
}

bool anyTumbling(frmTumblecrag &table)
{
    for (Timer *timer : tumbleTimers(table))
        if (timer->Enabled())
            return true;
    return false;
}

// A fresh turn (the zero button), one roll, and its tumbles to the end,
// ticked through the seam as a test would.
void rollOnce(frmTumblecrag &table)
{
    table.RainButton2->click();
    table.RainButton1->click();
    for (int tick = 0; tick < 20; ++tick)
        for (const char *timer : {"timTimer1", "timTimer2", "timTimer3", "timTimer4", "timTimer5"})
            seam::fireTimer(&table, QString::fromLatin1(timer));
    QCoreApplication::processEvents();
}

void report(const char *what, const Cost &cost, double goalUs)
{
    std::printf("%-44s median %7.2f us  worst %8.2f us  (%d ticks; goal < %.0f us)\n", what, cost.medianUs,
                cost.worstUs, cost.samples, goalUs);
}

} // namespace

int main(int argc, char **argv)
{
    const auto mainStarted = std::chrono::steady_clock::now();
    const double ageAtMainMs = processAgeMs();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");

    QApplication app(argc, argv);
    seam::enableTestMode();
    openAudioDevice();
    runHandler([] { form<frmTumblecrag>().Show(); });
    QCoreApplication::processEvents();
    const double mainToShownMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainStarted).count();
    const double processToShownMs = processAgeMs();
    const long startupKb = residentKb();

    frmTumblecrag &table = form<frmTumblecrag>();
    if (!seam::runtimeErrors().isEmpty()) {
        std::fprintf(stderr, "the table failed to load: %s\n", qPrintable(seam::runtimeErrors().first()));
        return 1;
    }

    std::printf("Start-up\n");
    std::printf("  process start -> table shown               %7.1f ms  (goal < 250 ms; kernel clock, 10 ms steps)\n",
                processToShownMs);
    std::printf("    of which before main()                   %7.1f ms\n", ageAtMainMs);
    std::printf("  main() -> table shown                      %7.1f ms\n", mainToShownMs);

    // The first thousand rolls fill the picture cache; later rounds should
    // not grow. The toolkit logs every sound it plays, so the last round
    // empties that log after each roll to show the game's own share.
    std::printf("Memory (VmRSS)\n");
    std::printf("  after start-up                             %7ld kB\n", startupKb);
    long previousKb = startupKb;
    for (int round = 1; round <= 3; ++round) {
        const bool clearLog = round == 3;
        for (int roll = 0; roll < RollsPerRound; ++roll) {
            rollOnce(table);
            if (clearLog)
                seam::clearSounds();
        }
        const long nowKb = residentKb();
        std::printf("  after %4d rolls%-27s %7ld kB  (%+ld kB)\n", round * RollsPerRound,
                    clearLog ? " (sound log emptied)" : "", nowKb, nowKb - previousKb);
        previousKb = nowKb;
    }

    std::printf("CPU per tick (thread CPU time)\n");
    table.timMarque->setEnabled(true);
    report("  marquee tick", measureCpu(TickSamples, [&] { table.timMarque->tick(); }), 100);
    report("  marquee tick + repaint",
           measureCpu(TickSamples, [&] {
               table.timMarque->tick();
               QCoreApplication::processEvents();
           }),
           100);

    // Round robin over the dice that tumble; a new roll once all have settled.
    const auto timers = tumbleTimers(table);
    std::size_t next = 0;
    auto tumbleTick = [&] {
        while (!timers[next]->Enabled())
            next = (next + 1) % timers.size();
        timers[next]->tick();
        next = (next + 1) % timers.size();
    };
    auto rollWhenSettled = [&] {
        if (!anyTumbling(table)) {
            table.RainButton2->click();
            table.RainButton1->click();
        }
    };
    rollWhenSettled();
    report("  tumble tick", measureCpu(TickSamples, tumbleTick, rollWhenSettled), 100);
    report("  tumble tick + repaint",
           measureCpu(TickSamples,
                      [&] {
                          tumbleTick();
                          QCoreApplication::processEvents();
                      },
                      rollWhenSettled),
           100);

    if (!seam::runtimeErrors().isEmpty()) {
        std::fprintf(stderr, "run-time error during the run: %s\n", qPrintable(seam::runtimeErrors().first()));
        return 1;
    }
    closeAudioDevice();
    return 0;
}
