#pragma once

namespace vetra {

// The steps of writing a file through a temporary file and a rename.
enum class WriteStep { CreateTemporary, WriteData, Flush, Rename };

// Failure injection for tests: asked before each step; true makes that step fail as the disk would.
class WriteFaults {
public:
    virtual ~WriteFaults() = default;
    virtual bool ShouldFail(WriteStep step) = 0;
};

}  // namespace vetra
