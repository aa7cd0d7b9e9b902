#pragma once

#include <string>
#include <vector>

namespace vetra {

// What one engine procedure did: whether it succeeded, and the files it created or replaced.
struct Outcome {
    bool succeeded = false;
    std::vector<std::string> created;

    static Outcome Failed() { return Outcome{}; }
    static Outcome Done(std::vector<std::string> paths = {}) { return Outcome{true, std::move(paths)}; }

    // Folds a later step into this one: both must succeed; the created files add up.
    void Merge(const Outcome& later) {
        succeeded = succeeded && later.succeeded;
        created.insert(created.end(), later.created.begin(), later.created.end());
    }
};

}  // namespace vetra
