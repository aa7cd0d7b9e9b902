// Every command against broken, missing and unreadable inputs and an output folder that refuses files: the
// program ends with status 1 (2 for a usage error), names the file, keeps every input byte for byte, leaves
// no partial output or temporary file, and stays within the memory its inputs warrant.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "cli/clirun.h"
#include "cli/fixturefiles.h"
#include "cli/unwritablefolder.h"
#include "support/scratchdir.h"

namespace vetra::test {
namespace {
namespace fs = std::filesystem;

// The kinds of file a command reads.
enum class Kind { MapBitmap, Level, Tileset, WallTiles, Cfg, Set, Sss };

struct Command {
    std::string label;
    // "{in}" is the file under test, "{out}" an output path in the same folder, "{good:NAME}" a good
    // companion file of that name (its kind from its extension).
    std::vector<std::string> arguments;
    Kind kind;
    std::string fileName;                                          // the name the file under test gets
    enum { Reads, ReadsAndWrites, Writes } role = ReadsAndWrites;  // Writes: the file under test is an output
    // An output that a failing run rightly leaves: the level converted before its tileset step failed.
    std::string kept = {};
};

struct BadFile {
    std::string label;
    enum { Bytes, Missing, Folder } shape = Bytes;
    FileBytes bytes;
};

bool IsText(Kind kind) {
    return kind == Kind::WallTiles || kind == Kind::Cfg || kind == Kind::Set || kind == Kind::Sss;
}

FileBytes GoodFile(Kind kind) {
    auto text = [](const std::string& s) { return FileBytes(s.begin(), s.end()); };
    switch (kind) {
        case Kind::MapBitmap:
            return MapBitmap({{5, 5, 1}, {6, 5, 2}, {100, 200, 217}});
        case Kind::Level:
            return LevelBytes(TilesetBitmap(), SomeRecords());
        case Kind::Tileset:
            return TilesetBitmap();
        case Kind::WallTiles:
            return text("WallTile 0=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n");
        case Kind::Cfg:
            return text("[Misc]\r\nBounceFactor=16\r\n");
        case Kind::Set:
            return text("Misc:BounceFactor:16:0:100:Bounce\r\n");
        case Kind::Sss:
            return text("Misc:BounceFactor:16:0:100:How far ships bounce\r\n");
    }
    return {};
}

Kind KindOfName(const std::string& name) {
    std::string ext = fs::path(name).extension().string();
    if (ext == ".lvl") return Kind::Level;
    if (ext == ".wtd") return Kind::WallTiles;
    if (ext == ".cfg") return Kind::Cfg;
    if (ext == ".set") return Kind::Set;
    if (ext == ".sss") return Kind::Sss;
    return name.find("map") != std::string::npos ? Kind::MapBitmap : Kind::Tileset;
}

// The broken forms of a file of the kind.
std::vector<BadFile> BadFilesFor(const Command& command) {
    if (command.role == Command::Writes) return {{"a folder", BadFile::Folder, {}}};
    Kind kind = command.kind;
    std::vector<BadFile> bad{
        {"missing", BadFile::Missing, {}}, {"a folder", BadFile::Folder, {}}, {"empty", BadFile::Bytes, {}}};
    FileBytes good = GoodFile(kind);
    if (IsText(kind)) {
        bad.push_back({"binary noise", BadFile::Bytes, BinaryNoise()});
        return bad;
    }
    bad.push_back({"truncated header", BadFile::Bytes, Truncated(good, 30)});
    bad.push_back({"truncated pixels", BadFile::Bytes, Truncated(good, kPixelOffset + 1000)});
    bad.push_back({"size field 0", BadFile::Bytes, WithU32(good, 2, 0)});
    bad.push_back({"size field 0xFFFFFFFF", BadFile::Bytes, WithU32(good, 2, 0xFFFFFFFFu)});
    bad.push_back(
        {"size field past the end", BadFile::Bytes, WithU32(good, 2, std::uint32_t(good.size() + 4000))});
    if (kind == Kind::Level) {
        bad.push_back({"records past 1023", BadFile::Bytes,
                       RecordBytes({{1024, 5, 1}, {5, 2000, 2}, {4095, 4095, 217}})});
        bad.push_back({"a half record", BadFile::Bytes, Truncated(RecordBytes(SomeRecords()), 6)});
    }
    return bad;
}

// The commands, as they are used on one file; extended as commands appear.
const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"new-tiles", {"new-tiles", "{in}"}, Kind::Tileset, "tiles.bmp", Command::Writes},
        {"apply-tiles", {"apply-tiles", "--tileset", "{good:tiles.bmp}", "{in}"}, Kind::Level, "level.lvl"},
        {"apply-tiles --tileset",
         {"apply-tiles", "--tileset", "{in}", "{good:level.lvl}"},
         Kind::Tileset,
         "tiles.bmp"},
        {"apply-tiles --clean-palette",
         {"apply-tiles", "--clean-palette", "--tileset", "{in}", "{good:level.lvl}"},
         Kind::Tileset,
         "tiles.bmp"},
        {"split-tiles", {"split-tiles", "{in}"}, Kind::Level, "level.lvl"},
        {"split-tiles --clean-palette", {"split-tiles", "--clean-palette", "{in}"}, Kind::Level, "level.lvl"},
        {"check", {"check", "{in}"}, Kind::Level, "level.lvl", Command::Reads},
        {"convert", {"convert", "{in}"}, Kind::MapBitmap, "map.bmp"},
        {"convert --walltiles",
         {"convert", "--walltiles", "{in}", "{good:map.bmp}"},
         Kind::WallTiles,
         "set.wtd"},
        {"convert --tileset",
         {"convert", "--tileset", "{in}", "{good:map.bmp}"},
         Kind::Tileset,
         "tiles.bmp",
         Command::ReadsAndWrites,
         "map.lvl"},
        {"new-map", {"new-map", "{in}"}, Kind::MapBitmap, "map.bmp", Command::Writes},
        {"deconvert", {"deconvert", "{in}"}, Kind::Level, "level.lvl"},
        {"deconvert --walltiles",
         {"deconvert", "--walltiles", "{in}", "{good:level.lvl}"},
         Kind::WallTiles,
         "set.wtd"},
        {"relink", {"relink", "--walltiles", "{good:set.wtd}", "{in}"}, Kind::Level, "level.lvl"},
        {"relink --walltiles",
         {"relink", "--walltiles", "{in}", "{good:level.lvl}"},
         Kind::WallTiles,
         "set.wtd"},
        {"overlay", {"overlay", "--overlay", "{good:over.lvl}", "{in}"}, Kind::Level, "level.lvl"},
        {"overlay --overlay", {"overlay", "--overlay", "{in}", "{good:level.lvl}"}, Kind::Level, "over.lvl"},
        {"diff", {"diff", "{in}", "{good:edited.lvl}"}, Kind::Level, "level.lvl"},
        {"diff edited", {"diff", "{good:level.lvl}", "{in}"}, Kind::Level, "edited.lvl"},
        {"info view", {"info", "view", "{in}"}, Kind::Level, "level.lvl", Command::Reads},
        {"info edit", {"info", "edit", "--text", "Made here.", "{in}"}, Kind::Level, "level.lvl"},
        {"info edit tileset",
         {"info", "edit", "--keep-original", "--text", "Made here.", "{in}"},
         Kind::Tileset,
         "tiles.bmp"},
        {"info wipe", {"info", "wipe", "{in}"}, Kind::Level, "level.lvl"},
        {"cfg2set", {"cfg2set", "{in}"}, Kind::Cfg, "server.cfg"},
        {"cfg2set --descriptions",
         {"cfg2set", "--descriptions", "{in}", "{good:server.cfg}"},
         Kind::Sss,
         "comments.sss"},
        {"set2cfg", {"set2cfg", "{in}"}, Kind::Set, "server.set"},
        {"set2cfg --descriptions", {"set2cfg", "--descriptions", "{in}"}, Kind::Set, "server.set"},
        {"describe", {"describe", "--comments", "{good:comments.sss}", "{in}"}, Kind::Set, "server.set"},
        {"describe --comments",
         {"describe", "--comments", "{in}", "{good:server.set}"},
         Kind::Set,
         "comments.set"},
    };
    return commands;
}

// Status 0 where a command rightly takes the broken form as a good file (an empty settings file is an empty
// list of settings, say); every other check still applies.
const std::map<std::pair<std::string, std::string>, int>& Accepted() {
    static const std::map<std::pair<std::string, std::string>, int> accepted{
        // Apply Tiles carries the records over as they are; an empty level gets a tileset and no records.
        {{"apply-tiles", "empty"}, 0},
        {{"apply-tiles", "records past 1023"}, 0},
        {{"apply-tiles", "a half record"}, 0},
        // An empty file is a sound level without tiles.
        {{"check", "empty"}, 0},
        // The converter takes the pixels from offset 1078 whatever the size field says.
        {{"convert", "size field 0"}, 0},
        {{"convert", "size field 0xFFFFFFFF"}, 0},
        {{"convert", "size field past the end"}, 0},
        // Any text is a WallTile file; lines that are no definition are passed over.
        {{"convert --walltiles", "empty"}, 0},
        {{"convert --walltiles", "binary noise"}, 0},
        {{"deconvert --walltiles", "empty"}, 0},
        {{"deconvert --walltiles", "binary noise"}, 0},
        {{"relink --walltiles", "empty"}, 0},
        {{"relink --walltiles", "binary noise"}, 0},
        // A level without tiles, or with the bytes of a cut last record, which every level reader leaves out.
        {{"deconvert", "empty"}, 0},
        {{"deconvert", "a half record"}, 0},
        {{"relink", "empty"}, 0},
        {{"relink", "a half record"}, 0},
        // Overlay and diff merge records as they stand, wherever they lie.
        {{"overlay", "empty"}, 0},
        {{"overlay", "records past 1023"}, 0},
        {{"overlay", "a half record"}, 0},
        {{"overlay --overlay", "empty"}, 0},
        {{"overlay --overlay", "records past 1023"}, 0},
        {{"overlay --overlay", "a half record"}, 0},
        {{"diff", "empty"}, 0},
        {{"diff", "records past 1023"}, 0},
        {{"diff", "a half record"}, 0},
        {{"diff edited", "empty"}, 0},
        {{"diff edited", "records past 1023"}, 0},
        {{"diff edited", "a half record"}, 0},
        // View Info shows whatever it finds: the "No tileset!" text, no comments, or the bytes up to the end.
        {{"info view", "empty"}, 0},
        {{"info view", "truncated header"}, 0},
        {{"info view", "truncated pixels"}, 0},
        {{"info view", "size field 0"}, 0},
        {{"info view", "size field 0xFFFFFFFF"}, 0},
        {{"info view", "size field past the end"}, 0},
        {{"info view", "records past 1023"}, 0},
        {{"info view", "a half record"}, 0},
        // Wipe Info leaves a file without a tileset alone, and that is no failure.
        {{"info wipe", "empty"}, 0},
        {{"info wipe", "records past 1023"}, 0},
        {{"info wipe", "a half record"}, 0},
        // The settings readers pass over the lines they cannot use, after their format message.
        {{"cfg2set", "binary noise"}, 0},
        {{"cfg2set --descriptions", "binary noise"}, 0},
        {{"set2cfg", "binary noise"}, 0},
        {{"set2cfg --descriptions", "binary noise"}, 0},
        {{"describe", "binary noise"}, 0},
        {{"describe --comments", "binary noise"}, 0},
        // The comment file is checked with the command line, before any work: a usage error.
        {{"cfg2set --descriptions", "missing"}, 2},
        {{"cfg2set --descriptions", "a folder"}, 2},
        {{"describe --comments", "missing"}, 2},
        {{"describe --comments", "a folder"}, 2},
    };
    return accepted;
}

struct Snapshot {
    std::map<std::string, FileBytes> files;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::string& folder) {
    Snapshot snapshot;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        snapshot.files[fs::relative(entry.path(), folder).string()] =
            entry.is_regular_file() ? ReadBytes(entry.path().string()) : FileBytes{};
    return snapshot;
}

std::vector<std::string> Expand(const Command& command, const ScratchDir& dir, const std::string& in) {
    std::vector<std::string> arguments;
    for (const std::string& argument : command.arguments) {
        if (argument == "{in}")
            arguments.push_back(in);
        else if (argument == "{out}")
            arguments.push_back(dir.File("out-" + command.fileName));
        else if (argument.rfind("{good:", 0) == 0) {
            std::string name = argument.substr(6, argument.size() - 7);
            arguments.push_back(dir.Write(name, GoodFile(KindOfName(name))));
        } else
            arguments.push_back(argument);
    }
    return arguments;
}

long BaselineKb() {
    static long baseline = RunCli({"--version"}).peakKb;
    return baseline;
}

std::uintmax_t FolderBytes(const Snapshot& snapshot) {
    std::uintmax_t total = 0;
    for (const auto& [name, bytes] : snapshot.files) total += bytes.size();
    return total;
}

// Runs the arguments in the folder and checks everything a failing run promises.
void ExpectCleanFailure(const std::vector<std::string>& arguments, const ScratchDir& dir,
                        const std::string& named, int expected, const std::string& kept = "") {
    ScratchDir temp;
    Snapshot before = Take(dir.Path());
    CliRun run = RunCli(arguments, temp.Path());
    EXPECT_EQ(run.signal, 0) << "ended by a signal\n" << run.output;
    EXPECT_EQ(run.status, expected) << run.output;
    Snapshot after = Take(dir.Path());
    if (!kept.empty()) after.files.erase(kept);
    if (expected != 0) {
        EXPECT_NE(run.output.find(named), std::string::npos) << "the message does not name " << named << "\n"
                                                             << run.output;
        EXPECT_TRUE(after == before) << "an input changed or a partial output was left\n" << run.output;
        // The one file of the batch was not done: no completion message may count it as done.
        static const std::regex countedAsDone(R"(\n\n[1-9][0-9]* (converted|deconverted|processed)\.)");
        EXPECT_FALSE(std::regex_search(run.output, countedAsDone)) << "a failure counted as done\n"
                                                                   << run.output;
    }
    for (const auto& [name, bytes] : before.files) EXPECT_EQ(after.files[name], bytes) << name << " changed";
    EXPECT_TRUE(temp.Names().empty()) << "a temporary file was left behind";
    long allowedKb = BaselineKb() + 48 * 1024 + static_cast<long>(6 * FolderBytes(before) / 1024);
    if (kPeakMemoryIsMeaningful) {
        EXPECT_LE(run.peakKb, allowedKb) << "peak memory beyond what the inputs warrant";
    }
}

TEST(BadInput, EveryCommandRefusesBrokenFilesCleanly) {
    for (const Command& command : Commands()) {
        for (const BadFile& bad : BadFilesFor(command)) {
            SCOPED_TRACE(command.label + " with " + bad.label);
            ScratchDir dir;
            std::string in = dir.File(command.fileName);
            if (bad.shape == BadFile::Bytes) dir.Write(command.fileName, bad.bytes);
            if (bad.shape == BadFile::Folder) fs::create_directory(in);
            std::vector<std::string> arguments = Expand(command, dir, in);
            auto accepted = Accepted().find({command.label, bad.label});
            ExpectCleanFailure(arguments, dir, command.fileName,
                               accepted == Accepted().end() ? 1 : accepted->second, command.kept);
        }
    }
}

TEST(BadInput, EveryCommandFailsCleanlyWhenItsFolderRefusesFiles) {
    for (const Command& command : Commands()) {
        if (command.role == Command::Reads) continue;
        SCOPED_TRACE(command.label);
        ScratchDir dir;
        std::string in = dir.Write(command.fileName, GoodFile(command.kind));
        std::vector<std::string> arguments = Expand(command, dir, in);
        UnwritableFolder locked(dir.Path());
        if (!locked.Works()) GTEST_SKIP() << "this file system lets every folder be written";
        ExpectCleanFailure(arguments, dir, dir.Path(), 1);
    }
}

// The words that name the command, such as "info view".
std::vector<std::string> CommandWords(const Command& command) {
    std::vector<std::string> words;
    for (const std::string& argument : command.arguments) {
        if (argument.starts_with("{") || argument.starts_with("-")) break;
        words.push_back(argument);
    }
    return words;
}

TEST(BadInput, UsageErrorsEndWithStatusTwo) {
    ScratchDir dir;
    EXPECT_EQ(RunCli({"no-such-command"}).status, 2);
    EXPECT_EQ(RunCli({}).status, 2);
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.label);
        std::vector<std::string> words = CommandWords(command);
        EXPECT_EQ(RunCli(words).status, 2) << "no file given";
        std::vector<std::string> arguments = Expand(command, dir, dir.File(command.fileName));
        arguments.insert(arguments.begin() + static_cast<long>(words.size()), "--no-such-option");
        EXPECT_EQ(RunCli(arguments).status, 2) << "an unknown option";
    }
}

}  // namespace
}  // namespace vetra::test
