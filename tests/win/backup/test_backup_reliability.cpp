// The reliability figure of crash recovery: rounds of editing, a backup tick, a kill, a restart
// and the recovery, each compared byte for byte. QX_BACKUP_ROUNDS sets the number of rounds.
#include "tests/win/backup/RecoveryChecks.h"

#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

int Rounds()
{
    const char* rounds = std::getenv("QX_BACKUP_ROUNDS");
    return rounds && std::atoi(rounds) > 0 ? std::atoi(rounds) : 200;
}

struct Round {
    bool recovered = false;  // the recovery editor showed the bytes of the last tick
    std::string failure;
};

Round RunRound(const BackupScene& scene, int round, std::mt19937& random)
{
    Round result;
    const auto fail = [&](const std::string& why) {
        result.failure = why;
        return result;
    };
    const std::string document = scene.filePath("round.bin");
    if (!WriteBytes(document, RandomBytes(1 + random() % 5000, random())))
        return fail("the document cannot be written");
    auto editor = scene.start("-o \"" + document + "\" round-editor");
    HWND window = scene.window(editor->id());
    if (!window)
        return fail("the editor did not come up");

    for (unsigned edits = 1 + random() % 6; edits > 0; --edits)
        SendMessageA(window, kHostEdit, random(), 0);
    if (!HostModified(window))
        SendMessageA(window, kHostEdit, random(), 0);
    if (!WaitFor([&] { return !HostModified(window); }, 20000))
        return fail("no backup tick");
    const std::vector<uint8_t> ticked = HostData(window, scene.filePath("ticked.bin"));
    if (ticked.empty())
        return fail("the editor's bytes cannot be read");

    if (round % 2 == 0)
        editor->terminate();
    else if (!scene.killUnix(editor->id(), "round-editor"))
        return fail("kill -9 did not end the editor");
    if (!editor->waitForExit())
        return fail("the killed editor is still there");

    auto restarted = scene.start();
    if (AnswerStartBox(restarted->id()) != kAbnormalTerminationText)
        return fail("no abnormal-termination message");
    const std::vector<HWND> recovery = WaitForHosts(2, restarted->id());
    if (recovery.size() != 1)
        return fail("not exactly one recovery editor");
    if (HostCaption(recovery[0]) != document || !HostModified(recovery[0]))
        return fail("the recovered document is not the modified former one");
    result.recovered = HostData(recovery[0], scene.filePath("recovered.bin")) == ticked;

    if (!scene.closeAll() || restarted->exitCode() != 0)
        return fail("an editor did not end normally");
    if (!scene.profileValue().empty() || !scene.tempFiles().empty())
        return fail("files left behind after the last editor ended");
    return result;
}

TEST(BackupReliability, KilledEditorsComeBackWithTheirLastBackup)
{
    BackupScene scene("bk_reliability");
    SetEnvironmentVariableA(kHostTimerVariable, "100");
    std::mt19937 random(20261207);
    const int rounds = Rounds();
    int identical = 0;
    for (int round = 0; round < rounds; ++round) {
        const Round result = RunRound(scene, round, random);
        EXPECT_EQ(result.failure, "") << "round " << round;
        EXPECT_TRUE(!result.failure.empty() || result.recovered) << "round " << round << ": other bytes came back";
        identical += result.recovered;
        if (!result.failure.empty())
            scene.closeAll();
    }
    SetEnvironmentVariableA(kHostTimerVariable, nullptr);
    std::printf("backup reliability: %d of %d recoveries identical\n", identical, rounds);
    RecordProperty("identical", identical);
    EXPECT_EQ(identical, rounds);
}

} // namespace
