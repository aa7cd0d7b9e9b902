#pragma once

#include "util/writefaults.h"

namespace vetra::test {

// Fails one step of the n-th file write (counted from 1), the others go through.
class FailNthWrite : public WriteFaults {
public:
    explicit FailNthWrite(int n, WriteStep step = WriteStep::WriteData) : n_(n), step_(step) {}
    bool ShouldFail(WriteStep step) override {
        if (step == WriteStep::CreateTemporary) ++writes_;
        return writes_ == n_ && step == step_;
    }

private:
    int n_;
    WriteStep step_;
    int writes_ = 0;
};

}  // namespace vetra::test
