// A batch of a thousand small levels costs no more memory than a batch of ten and leaves no temporary file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/clirun.h"
#include "cli/fixturefiles.h"
#include "support/scratchdir.h"

namespace vetra::test {
namespace {

struct BatchRun {
    CliRun run;
    std::size_t files = 0;  // files in the folder afterwards
    bool tempEmpty = false;
};

// Runs the command (its fixed arguments, then count levels made in a fresh folder) with TEMP in a folder of
// its own.
BatchRun RunBatch(const std::vector<std::string>& command, int count) {
    ScratchDir dir;
    ScratchDir temp;
    std::vector<std::string> arguments;
    for (const std::string& argument : command)
        arguments.push_back(argument == "{tiles}"  ? dir.Write("tiles.bmp", TilesetBitmap())
                            : argument == "{over}" ? dir.Write("over.lvl", RecordBytes({{7, 7, 7}}))
                                                   : argument);
    for (int i = 0; i < count; ++i) {
        auto n = static_cast<std::uint16_t>(i % 1000);
        arguments.push_back(dir.Write("level" + std::to_string(i) + ".lvl",
                                      RecordBytes({{n, 3, 1}, {3, n, 2}, {n, n, 170}})));
    }
    BatchRun batch;
    batch.run = RunCli(arguments, temp.Path(), 300);
    batch.files = dir.Names().size();
    batch.tempEmpty = temp.Names().empty();
    return batch;
}

TEST(LongBatch, AThousandLevelsKeepMemoryFlatAndLeaveNoTemporaryFile) {
    struct Case {
        std::vector<std::string> command;
        int filesPerLevel;  // in the folder after the run: the level and what the command made of it
        int extraFiles;     // companions given on the command line
    };
    const std::vector<Case> cases{
        {{"overlay", "--overlay", "{over}"}, 2, 1},
        {{"apply-tiles", "--tileset", "{tiles}"}, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.front());
        BatchRun small = RunBatch(c.command, 10);
        BatchRun large = RunBatch(c.command, 1000);
        for (const BatchRun* batch : {&small, &large}) {
            EXPECT_EQ(batch->run.status, 0) << batch->run.output.substr(0, 2000);
            EXPECT_TRUE(batch->tempEmpty) << "a temporary file was left in TEMP";
        }
        EXPECT_EQ(small.files, std::size_t(10 * c.filesPerLevel + c.extraFiles))
            << "a temporary file stayed beside";
        EXPECT_EQ(large.files, std::size_t(1000 * c.filesPerLevel + c.extraFiles))
            << "a temporary file stayed beside";
        if (kPeakMemoryIsMeaningful) {
            EXPECT_LE(large.run.peakKb, small.run.peakKb * 12 / 10)
                << "peak memory " << large.run.peakKb << " kB for 1000 files, " << small.run.peakKb
                << " kB for 10";
        }
    }
}

}  // namespace
}  // namespace vetra::test
