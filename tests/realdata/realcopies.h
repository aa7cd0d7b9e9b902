#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/realdata.h"
#include "support/scratchdir.h"
#include "util/filenameext.h"
#include "util/fileresult.h"
#include "support/recordinghost.h"

// Copies of the real files in a scratch folder, so that no operation ever touches the shared originals, and
// the checks that every operation on them shares.
namespace vetra::test {

struct RealCopy {
    std::string original;
    std::string path;  // the copy, under the original's name
    std::vector<std::uint8_t> bytes;
};

inline RealCopy CopyReal(const ScratchDir& dir, const std::string& original) {
    std::vector<std::uint8_t> bytes = ReadBytes(original);
    return {original, dir.Write(filenameext::BareFileName(original), bytes), bytes};
}

// Every real file with the extension, copied into the folder.
inline std::vector<RealCopy> CopyReal(const ScratchDir& dir, const std::vector<std::string>& originals) {
    std::vector<RealCopy> copies;
    for (const std::string& original : originals) copies.push_back(CopyReal(dir, original));
    return copies;
}

// Neither the copy an operation worked on nor the original has changed by a byte.
inline void ExpectUnchanged(const RealCopy& copy) {
    EXPECT_TRUE(ReadBytes(copy.path) == copy.bytes) << copy.path << " was changed";
    EXPECT_TRUE(ReadBytes(copy.original) == copy.bytes) << copy.original << " was changed";
}

// Success, or a summary line or message naming the file: a failure is never silent.
inline void ExpectClearOutcome(const FileResult& outcome, const RecordingHost& host, const std::string& path) {
    if (outcome.Done()) return;
    std::string name = filenameext::BareFileName(path);
    bool named = false;
    for (const auto& call : host.Calls())
        if (call.text.find(name) != std::string::npos &&
            (call.kind == RecordingHost::Kind::AddText || call.kind == RecordingHost::Kind::MessageBox))
            named = true;
    EXPECT_TRUE(named) << path << " failed without a notice naming it";
}

}  // namespace vetra::test
